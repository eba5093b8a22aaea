// The limits of the detailing checks in the preferences dialog.
#include "detailing_limits_box.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>

namespace murcad::app {

DetailingLimitsBox::DetailingLimitsBox(const DetailingLimits &limits, QWidget *parent)
    : QGroupBox(QStringLiteral("Verifiche di dettaglio (EN 1992-1-1)"), parent) {
    auto *form = new QFormLayout(this);
    for (const DetailingParameter &p : detailingParameters()) {
        auto *edit = new QLineEdit;
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(90);
        edit->setToolTip(QStringLiteral("%1: da %2 a %3")
                             .arg(QString::fromLatin1(p.key))
                             .arg(p.minValue)
                             .arg(p.maxValue));
        auto *row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(new QLabel(QString::fromUtf8(p.unit)));
        row->addStretch();
        form->addRow(QString::fromUtf8(p.caption), row);
        boxes_.push_back(edit);
    }
    recommended_ = new QPushButton(QStringLiteral("Valori raccomandati"));
    form->addRow(QString(), recommended_);
    connect(recommended_, &QPushButton::clicked, this, [this] { fill(DetailingLimits{}); });
    fill(limits);
}

void DetailingLimitsBox::fill(const DetailingLimits &limits) {
    auto params = detailingParameters();
    for (std::size_t k = 0; k < params.size(); ++k)
        boxes_[k]->setText(QString::fromStdString(detailingLimitText(limits, params[k])));
}

bool DetailingLimitsBox::read(DetailingLimits &limits, QString &why) {
    DetailingLimits staged = limits;
    auto params = detailingParameters();
    for (std::size_t k = 0; k < params.size(); ++k) {
        std::string message;
        if (!setDetailingLimit(staged, params[k], boxes_[k]->text().toStdString(), &message)) {
            why = QString::fromUtf8(params[k].caption) + ": " + QString::fromStdString(message);
            boxes_[k]->setFocus();
            boxes_[k]->selectAll();
            return false;
        }
    }
    limits = staged;
    return true;
}

QLineEdit *DetailingLimitsBox::box(const char *key) const {
    auto params = detailingParameters();
    for (std::size_t k = 0; k < params.size(); ++k)
        if (std::strcmp(params[k].key, key) == 0)
            return boxes_[k];
    return nullptr;
}

} // namespace murcad::app
