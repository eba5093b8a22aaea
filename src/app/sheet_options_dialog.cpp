// The sheet choices dialog: editable scale list, paper sizes, orientation, black or colour.
#include "sheet_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace murcad::app {

SheetOptionsDialog::SheetOptionsDialog(SheetOptions &options, const QString &confirmCaption,
                                       Prompts &prompts, QWidget *parent)
    : QDialog(parent), options_(options), prompts_(prompts) {
    setWindowTitle(QStringLiteral("Tavola"));
    scale_ = new QComboBox;
    scale_->setEditable(true);
    for (int n : kOfferedScales)
        scale_->addItem(QString::fromStdString(scaleText(n)));
    scale_->setCurrentText(QString::fromStdString(scaleText(options.request.scale)));
    scale_->setToolTip(QStringLiteral("1 cm di parete è 1/N cm di carta; si può scrivere 1:N"));

    paper_ = new QComboBox;
    paper_->addItem(QStringLiteral("auto (il più piccolo che basta)"), kAutoPaper);
    for (int i = 0; i < static_cast<int>(kIsoPapers.size()); ++i)
        paper_->addItem(QString::fromUtf8(kIsoPapers[i].name), i);
    paper_->setCurrentIndex(paper_->findData(options.request.paper));

    orientation_ = new QComboBox;
    orientation_->addItem(QStringLiteral("auto"), static_cast<int>(Orientation::Auto));
    orientation_->addItem(QStringLiteral("verticale"), static_cast<int>(Orientation::Portrait));
    orientation_->addItem(QStringLiteral("orizzontale"), static_cast<int>(Orientation::Landscape));
    orientation_->setCurrentIndex(
        orientation_->findData(static_cast<int>(options.request.orientation)));

    colour_ = new QCheckBox(QStringLiteral("Colori dei layer (altrimenti nero)"));
    colour_->setChecked(options.inColour);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Scala"), scale_);
    form->addRow(QStringLiteral("Formato"), paper_);
    form->addRow(QStringLiteral("Orientamento"), orientation_);
    form->addRow(QString(), colour_);
    auto *buttons = new QDialogButtonBox;
    buttons->addButton(confirmCaption, QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &SheetOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SheetOptionsDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

bool SheetOptionsDialog::readBack() {
    double scale = 0;
    std::string why;
    if (!parseScale(scale_->currentText().toStdString(), scale, &why)) {
        prompts_.warn(this, kWarningTitle, QString::fromStdString(why));
        return false;
    }
    options_.request.scale = scale;
    options_.request.paper = paper_->currentData().toInt();
    options_.request.orientation = static_cast<Orientation>(orientation_->currentData().toInt());
    options_.inColour = colour_->isChecked();
    return true;
}

void SheetOptionsDialog::accept() {
    if (readBack())
        QDialog::accept();
}

} // namespace murcad::app
