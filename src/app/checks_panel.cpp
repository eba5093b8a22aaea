// The "Verifiche" panel: a table of the detailing checks of the open wall and a summary.
#include "checks_panel.h"

#include "checks/check_text.h"
#include "model/user_profile.h"
#include "model/wall_file.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace murcad::app {

namespace {

QString qs(const std::string &s) {
    return QString::fromStdString(s);
}

} // namespace

ChecksPanel::ChecksPanel(QWidget *parent) : QDockWidget(QStringLiteral("Verifiche"), parent) {
    setObjectName(QStringLiteral("Verifiche"));
    auto *body = new QWidget;
    summary_ = new QLabel;
    summary_->setWordWrap(true);
    problemsOnly_ = new QCheckBox(QStringLiteral("Solo verifiche non soddisfatte e avvisi"));
    table_ = new QTableWidget(0, 7);
    table_->setHorizontalHeaderLabels({QStringLiteral("Piano"), QStringLiteral("Zona"),
                                       QStringLiteral("Verifica"), QStringLiteral("Valore"),
                                       QStringLiteral("Limite"), QStringLiteral("Punto"),
                                       QStringLiteral("Esito")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setToolTip(QStringLiteral(
        "Verifiche di dettaglio delle armature secondo EN 1992-1-1 (9.6, 9.5.3): "
        "non sostituiscono la verifica di progetto."));
    connect(problemsOnly_, &QCheckBox::toggled, this, &ChecksPanel::fill);

    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *head = new QHBoxLayout;
    head->addWidget(summary_, 1);
    head->addWidget(problemsOnly_);
    layout->addLayout(head);
    layout->addWidget(table_);
    setWidget(body);
    fill();
}

void ChecksPanel::showResults(const std::vector<CheckResult> &results) {
    if (shown_ && results == results_)
        return;
    results_ = results;
    shown_ = true;
    fill();
}

void ChecksPanel::fill() {
    CheckSummary s = summarise(results_);
    if (results_.empty())
        summary_->setText(QStringLiteral("Nessuna parete aperta."));
    else
        summary_->setText(QStringLiteral("Verifiche di dettaglio EN 1992-1-1 (non di progetto): ") +
                          qs(checksSummaryText(s)));
    QPalette pal = summary_->palette();
    pal.setColor(QPalette::WindowText, s.failed > 0 ? QColor(190, 0, 0) : palette().color(QPalette::WindowText));
    summary_->setPalette(pal);

    bool problemsOnly = problemsOnly_->isChecked();
    table_->setUpdatesEnabled(false);
    table_->setRowCount(0);
    int row = 0;
    for (const CheckResult &r : results_) {
        if (problemsOnly && r.outcome == CheckOutcome::Pass)
            continue;
        table_->insertRow(row);
        std::string outcome = checkOutcomeName(r.outcome);
        if (!r.note.empty())
            outcome += " (" + r.note + ")";
        const std::string cells[7] = {checkStoreyName(r.storey), checkZoneName(r.zone), r.check,
                                      checkValueText(r),        checkLimitText(r),      r.clause,
                                      outcome};
        QColor ink = r.outcome == CheckOutcome::Fail      ? QColor(190, 0, 0)
                     : r.outcome == CheckOutcome::Warning ? QColor(160, 100, 0)
                                                          : QColor();
        for (int c = 0; c < 7; ++c) {
            auto *item = new QTableWidgetItem(qs(cells[c]));
            if (c == 3 || c == 4)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (ink.isValid())
                item->setForeground(ink);
            table_->setItem(row, c, item);
        }
        ++row;
    }
    table_->resizeColumnsToContents();
    table_->setUpdatesEnabled(true);
}

DetailingLimits readCheckLimits(const std::string &path, std::vector<std::string> &warnings) {
    UserProfile profile;
    std::vector<LoadError> messages;
    loadUserProfile(path, profile); // the file itself is reported with the title block
    DetailingLimits limits = detailingLimits(profile, &messages);
    for (const LoadError &e : messages)
        warnings.push_back(describeLoadError(e));
    return limits;
}

} // namespace murcad::app
