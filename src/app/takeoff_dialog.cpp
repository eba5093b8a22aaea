// Take-off dialog: the run, its HTML view, the per-diameter option and the RTF save step.
#include "takeoff_dialog.h"

#include "checks/check_text.h"
#include "takeoff/batch.h"
#include "takeoff/report_html.h"
#include "takeoff/report_numbers.h"
#include "takeoff/report_rtf.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace murcad::app {

TakeoffDialog::TakeoffDialog(AppState &state, std::vector<std::string> batchPaths, Prompts &prompts,
                             std::string &reportFileName, QWidget *parent)
    : QDialog(parent), state_(state), batchPaths_(std::move(batchPaths)), prompts_(prompts),
      reportFileName_(reportFileName) {
    setWindowTitle(QStringLiteral("Computo materiali"));
    perDiameter_ = new QCheckBox(QStringLiteral("Suddividi il peso dell'acciaio per diametro"));
    perDiameter_->setChecked(false);
    viewer_ = new QTextBrowser;
    viewer_->setMinimumSize(560, 480);
    // Room between the columns of the tables, as the tab stops of the RTF document give.
    viewer_->document()->setDefaultStyleSheet(
        QStringLiteral("td { padding-left: 6px; padding-right: 14px; }"));
    checksLine_ = new QLabel;
    checksLine_->setWordWrap(true);
    save_ = new QPushButton(QStringLiteral("Salva computo"));
    close_ = new QPushButton(QStringLiteral("Chiudi"));
    connect(perDiameter_, &QCheckBox::toggled, this, &TakeoffDialog::compute);
    connect(save_, &QPushButton::clicked, this, &TakeoffDialog::saveReport);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(perDiameter_);
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(viewer_);
    layout->addWidget(checksLine_);
    layout->addLayout(buttons);
    resize(680, 640);
    compute();
}

void TakeoffDialog::compute() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::string checks;
    bool checksFail = false;
    if (state_.ReportFlag == 0) {
        run_ = takeOffSingleWall(state_.wall);
        CheckSummary s = summarise(checkWall(state_.wall, state_.checkLimits));
        checks = checksTakeoffLine(s);
        checksFail = s.failed > 0;
    } else {
        // Each file is loaded into a copy: the wall open in the main window stays as it is.
        Wall scratch = state_.wall;
        QProgressDialog progress(QStringLiteral("Computo dei materiali..."), QString(), 0,
                                 static_cast<int>(batchPaths_.size()), this);
        progress.setWindowTitle(QStringLiteral("Computo materiali"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(300);
        int checked = 0, failing = 0;
        run_ = takeOffFiles(batchPaths_, scratch, loadWall,
                            [&](int done, int, const std::string &, bool computed) {
                                // The wall just taken off is in scratch: check it too.
                                if (computed) {
                                    ++checked;
                                    if (summarise(checkWall(scratch, state_.checkLimits)).failed)
                                        ++failing;
                                }
                                progress.setValue(done);
                                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                            });
        checks = "Verifiche di dettaglio (EN 1992-1-1): " +
                 (failing == 0 ? std::string("soddisfatte in tutte le pareti")
                               : std::to_string(failing) + (failing == 1 ? " parete su " : " pareti su ") +
                                     std::to_string(checked) + " con verifiche non soddisfatte");
        checksFail = failing > 0;
    }
    checksLine_->setText(QString::fromStdString(checks));
    checksLine_->setStyleSheet(checksFail ? QStringLiteral("color: #be0000;") : QString());
    ReportOptions options;
    options.perDiameter = perDiameter_->isChecked();
    options.decimalSeparator = userDecimalSeparator();
    rtf_ = computoRtf(run_, options);
    viewer_->setHtml(QString::fromStdString(computoHtml(run_, options)));
    QApplication::restoreOverrideCursor();
}

bool TakeoffDialog::saveReport() {
    if (reportFileName_.empty())
        reportFileName_ = "ComputoParete.rtf";
    QString name = prompts_.saveFileName(this, QStringLiteral("Salva computo"),
                                         QString::fromStdString(reportFileName_),
                                         QStringLiteral("File (*.rtf)"), QStringLiteral("rtf"));
    if (name.isEmpty())
        return false;
    std::string why;
    if (!writeReportRtf(name.toStdString(), rtf_, &why)) {
        prompts_.warn(this, kWarningTitle,
                      QStringLiteral("Computo non salvato.\n") + QString::fromStdString(why));
        return false;
    }
    return true;
}

} // namespace murcad::app
