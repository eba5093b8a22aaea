// Border offset dialog: reads the shift, applies it to every storey, refuses what is no length.
#include "border_offset_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace murcad::app {

BorderOffsetDialog::BorderOffsetDialog(Wall &wall, BorderSide side, Prompts &prompts,
                                       QWidget *parent)
    : QDialog(parent), wall_(wall), side_(side), prompts_(prompts) {
    setWindowTitle(QString::fromUtf8(borderOffsetCaption(side)));
    auto *label = new QLabel(QStringLiteral("Traslazione del bordo (cm)"));
    shift_ = new QLineEdit;
    shift_->setAlignment(Qt::AlignRight);
    shift_->setMinimumWidth(90);
    label->setBuddy(shift_);
    // The box starts with the offset of the first storey on that side.
    if (!wall.Storeys.empty()) {
        const Storey &s = wall.Storeys.front();
        shift_->setText(
            QString::number(side == BorderSide::Left ? s.OffsetLeft : s.OffsetRight, 'f', 1));
    }
    shift_->selectAll();

    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(shift_);

    auto *buttons = new QDialogButtonBox;
    confirm_ = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(QStringLiteral("&Annulla"), QDialogButtonBox::RejectRole);
    confirm_->setDefault(true);
    connect(confirm_, &QPushButton::clicked, this, &BorderOffsetDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

void BorderOffsetDialog::confirm() {
    std::string refusal;
    if (!applyBorderOffset(wall_, side_, shift_->text().toStdString(), &refusal)) {
        prompts_.warn(this, kWarningTitle, QString::fromStdString(refusal));
        shift_->setFocus();
        shift_->selectAll();
        return;
    }
    accept();
}

} // namespace murcad::app
