// Printing and exporting the sheet of the wall on screen: choices, fitting, preview, PDF.
#include "sheet_print_action.h"

#include "sheet_options_dialog.h"

#include "qtdraw/sheet_pdf.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace murcad::app {

namespace {

QString qs(const std::string &s) {
    return QString::fromStdString(s);
}

QString joined(const std::vector<LoadError> &messages) {
    QStringList lines;
    for (const LoadError &e : messages)
        lines << qs(e.message);
    return lines.join('\n');
}

// Asks for the choices until they give a sheet that fits its paper, or the user gives up.
// A drawing too large for the paper offers the largest standard scale that fits.
bool chooseFittingSheet(QWidget *parent, Prompts &prompts, AppState &state,
                        const SheetActionHooks &hooks, const QString &confirm,
                        SheetOptions &options, SheetPlan &plan) {
    auto choose = hooks.choose ? hooks.choose : [&](SheetOptions &o) {
        SheetOptionsDialog dialog(o, confirm, prompts, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    for (int round = 0; round < 20; ++round) {
        if (!choose(options))
            return false;
        plan = planSheet(state.wall, options);
        if (!plan.pages.empty())
            break;
        const SheetWallOutcome &out = plan.walls.front();
        PageLayout probe = layoutPage(measureDrawnExtents(state.wall), options.request);
        if (probe.proposedScale > 0 &&
            prompts.askYesNo(parent, qs(kWarningTitle),
                             qs(probe.message) + QStringLiteral("\n\nUsare la scala %1?")
                                                     .arg(qs(scaleText(probe.proposedScale))))) {
            options.request.scale = probe.proposedScale;
            plan = planSheet(state.wall, options);
            if (!plan.pages.empty())
                break;
        } else if (probe.proposedScale <= 0) {
            prompts.warn(parent, qs(kWarningTitle), qs(out.message));
        }
        if (hooks.choose) // a scripted choice is not asked again
            return false;
    }
    if (plan.pages.empty())
        return false;
    // The choices are remembered for the next sheet; a failure to store them is only told.
    std::string why;
    if (!state.UserProfilePath.empty() &&
        !updateUserProfile(
            state.UserProfilePath,
            [&](UserProfile &p) {
                p.setText(kSheetChoicesSection, "scala", scaleText(options.request.scale));
                p.setText(kSheetChoicesSection, "formato", paperText(options.request.paper));
                p.setText(kSheetChoicesSection, "orientamento",
                          orientationText(options.request.orientation));
                p.setFlag(kSheetChoicesSection, "colori", options.inColour);
            },
            &why))
        prompts.warn(parent, qs(kWarningTitle),
                     QStringLiteral("Scelte della tavola non memorizzate.\n") + qs(why));
    return true;
}

} // namespace

QString loadUserPreferences(AppState &state) {
    UserProfile profile;
    std::vector<LoadError> messages;
    loadUserProfile(state.UserProfilePath, profile, &messages);
    state.TitleBlock = titleBlockTexts(profile);
    return joined(messages);
}

SheetOptions initialSheetOptions(const AppState &state) {
    SheetOptions o;
    o.texts = state.TitleBlock;
    o.date = todayText();
    UserProfile profile;
    loadUserProfile(state.UserProfilePath, profile);
    // Choices stored by hand that make no sense fall back to the defaults.
    std::string text = profile.text(kSheetChoicesSection, "scala");
    double scale = 0;
    if (!text.empty() && parseScale(text, scale))
        o.request.scale = scale;
    int paper = kAutoPaper;
    if (parsePaper(profile.text(kSheetChoicesSection, "formato", "auto"), paper))
        o.request.paper = paper;
    Orientation orientation = Orientation::Auto;
    if (parseOrientation(profile.text(kSheetChoicesSection, "orientamento", "auto"), orientation))
        o.request.orientation = orientation;
    o.inColour = profile.flag(kSheetChoicesSection, "colori", false);
    return o;
}

QString proposedSheetPdfName(const Wall &wall) {
    QFileInfo info(qs(wall.WallFile));
    if (wall.WallFile.empty() ||
        info.completeBaseName().compare("Anonimo", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Parete.pdf");
    return info.absolutePath() + "/" + info.completeBaseName() + ".pdf";
}

bool printSheetOfWall(QWidget *parent, Prompts &prompts, AppState &state,
                      const SheetActionHooks &hooks) {
    SheetOptions options = initialSheetOptions(state);
    SheetPlan plan;
    if (!chooseFittingSheet(parent, prompts, state, hooks, QStringLiteral("Anteprima..."), options,
                            plan))
        return false;
    const SheetPage &page = plan.pages.front();
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true); // the frame keeps its ISO margins from the paper's edge
    printer.setPageLayout(qtPageLayout(page.layout));
    printer.setDocName(QFileInfo(qs(state.wall.WallFile)).completeBaseName());
    printer.setColorMode(options.inColour ? QPrinter::Color : QPrinter::GrayScale);
    const LayerSettings layers = state.layers;
    const bool inColour = options.inColour;
    auto paint = [&page, layers, inColour](QPrinter *target) {
        QPainter p(target);
        paintSheetPage(p, target->resolution(), page, layers, inColour);
    };
    if (hooks.preview) {
        hooks.preview(printer, paint);
    } else {
        QPrintPreviewDialog preview(&printer, parent);
        preview.setWindowTitle(
            QStringLiteral("Anteprima di stampa - Tavola %1, %2")
                .arg(qs(scaleText(options.request.scale)), qs(kIsoPapers[page.layout.paper].name)));
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, paint);
        preview.exec();
    }
    return true;
}

bool exportSheetPdfOfWall(QWidget *parent, Prompts &prompts, AppState &state,
                          const SheetActionHooks &hooks) {
    SheetOptions options = initialSheetOptions(state);
    SheetPlan plan;
    if (!chooseFittingSheet(parent, prompts, state, hooks, QStringLiteral("Esporta..."), options,
                            plan))
        return false;
    QString name = prompts.saveFileName(parent, QStringLiteral("Esporta tavola PDF"),
                                        proposedSheetPdfName(state.wall),
                                        QStringLiteral("File PDF (*.pdf)"), QStringLiteral("pdf"));
    if (name.isEmpty())
        return false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SheetPdfResult r = writeSheetsPdf(name.toStdString(), plan, state.layers, options.inColour);
    QApplication::restoreOverrideCursor();
    if (!r.written) {
        prompts.warn(parent, qs(kWarningTitle), qs(r.error));
        return false;
    }
    const PageLayout &l = plan.pages.front().layout;
    prompts.warn(parent, QStringLiteral("Esporta tavola PDF"),
                 QStringLiteral("File PDF scritto: %1\nScala %2, foglio %3 %4.")
                     .arg(name, qs(scaleText(options.request.scale)), qs(kIsoPapers[l.paper].name),
                          qs(orientationText(l.orientation))));
    return true;
}

} // namespace murcad::app
