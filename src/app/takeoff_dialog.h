// The materials take-off dialog "Computo materiali": shows the bill of materials, saves the RTF.
#pragma once

#include "model/app_state.h"
#include "prompts.h"
#include "takeoff/takeoff.h"

#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTextBrowser;

namespace murcad::app {

/// The report of the current wall (ReportFlag 0) or of a batch of wall files with totals.
/// The viewer shows the report rendered from the structured take-off (the same content as
/// the RTF); "Salva computo" writes the RTF document.
class TakeoffDialog : public QDialog {
    Q_OBJECT
public:
    /// batchPaths is used when state.ReportFlag is non-zero. reportFileName is the name the
    /// save dialog proposes; it lives for the whole run.
    TakeoffDialog(AppState &state, std::vector<std::string> batchPaths, Prompts &prompts,
                  std::string &reportFileName, QWidget *parent = nullptr);

    /// Rebuilds the report (ComputoRTF); a batch loads every file again.
    void compute();
    const TakeoffRun &run() const { return run_; }
    /// The RTF document as it would be saved (UTF-8).
    const std::string &rtf() const { return rtf_; }
    QTextBrowser *viewer() const { return viewer_; }
    /// The line saying how many detailing checks fail.
    QLabel *checksLine() const { return checksLine_; }
    QCheckBox *perDiameterOption() const { return perDiameter_; }
    QPushButton *saveButton() const { return save_; }
    QPushButton *closeButton() const { return close_; }

    /// "Salva computo": asks for the file name and writes the RTF. Returns true when written.
    bool saveReport();

private:
    AppState &state_;
    std::vector<std::string> batchPaths_;
    Prompts &prompts_;
    std::string &reportFileName_;
    TakeoffRun run_;
    std::string rtf_;
    QCheckBox *perDiameter_ = nullptr;
    QTextBrowser *viewer_ = nullptr;
    QLabel *checksLine_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *close_ = nullptr;
};

} // namespace murcad::app
