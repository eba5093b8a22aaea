// The "Verifiche" panel: the detailing checks of the open wall, storey by storey.
#pragma once

#include "checks/detailing_checks.h"

#include <QDockWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace murcad::app {

/// A dock listing every check of the open wall (storey, zone, check, value, limit, clause,
/// outcome), failures in red and warnings in amber, with a summary line and a switch that
/// shows the failures and warnings only.
class ChecksPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit ChecksPanel(QWidget *parent = nullptr);

    /// Shows these results; the table is rebuilt only when they changed.
    void showResults(const std::vector<CheckResult> &results);

    const std::vector<CheckResult> &results() const { return results_; }
    QTableWidget *table() const { return table_; }
    QLabel *summaryLabel() const { return summary_; }
    QCheckBox *problemsOnlyOption() const { return problemsOnly_; }

private:
    void fill();

    std::vector<CheckResult> results_;
    bool shown_ = false;
    QLabel *summary_ = nullptr;
    QCheckBox *problemsOnly_ = nullptr;
    QTableWidget *table_ = nullptr;
};

/// The limits stored in the user's preferences file at path; a value that cannot be used is
/// reported with the file, line and value, and the recommended one is kept.
DetailingLimits readCheckLimits(const std::string &path, std::vector<std::string> &warnings);

} // namespace murcad::app
