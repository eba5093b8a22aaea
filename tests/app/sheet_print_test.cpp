// GUI tests of the printed sheet: title block preferences, printing through the preview, and a
// drawing too large for A0 offered at the scale that fits.
#include "gui_test_support.h"

#include "preferences_dialog.h"
#include "sheet_print_action.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>

using namespace murcad;
using namespace murcad::app;
using namespace murcad::app::testing;

namespace {

QString pdfText(const QString &pdf) {
    QProcess p;
    p.start("pdftotext", {pdf, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool havePdfToText() {
    QProcess p;
    p.start("pdftotext", {"-v"});
    return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit;
}

// A preview that prints into a PDF file instead of showing the dialog.
SheetActionHooks printInto(const QString &pdf, double scale, QPageLayout *seen) {
    SheetActionHooks h;
    h.choose = [scale](SheetOptions &o) {
        o.request.scale = scale;
        return true;
    };
    h.preview = [pdf, seen](QPrinter &printer, const std::function<void(QPrinter *)> &paint) {
        *seen = printer.pageLayout();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        paint(&printer);
    };
    return h;
}

} // namespace

TEST(SheetPrinting, TitleBlockTextsAreKeptWithTheUserPreferences) {
    QTemporaryDir profile;
    AppState state;
    state.ProfileFolder = profile.path().toStdString();
    state.UserProfilePath = profile.filePath("murcad/preferenze.ini").toStdString();
    ScriptedPrompts prompts;
    {
        PreferencesDialog d(state, prompts, [] {});
        d.titleBlockBox(0)->setText("Residenza Le Querce");
        d.titleBlockBox(1)->setText(" ing. Rossi ");
        d.titleBlockBox(3)->setText("B");
        d.saveButton()->click();
        d.exitButton()->click();
    }
    EXPECT_TRUE(prompts.warnings.empty());
    const TitleBlockTexts expected{"Residenza Le Querce", "ing. Rossi", "", "B"};
    EXPECT_EQ(state.TitleBlock, expected);
    AppState later;
    later.UserProfilePath = state.UserProfilePath;
    EXPECT_TRUE(loadUserPreferences(later).isEmpty());
    EXPECT_EQ(later.TitleBlock, expected);
    PreferencesDialog again(later, prompts, [] {});
    EXPECT_EQ(again.titleBlockBox(0)->text(), QString("Residenza Le Querce"));
}

TEST(SheetPrinting, PrintsTheWallOnScreenThroughThePreviewAndRemembersTheChoices) {
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext missing";
    WindowUnderTest w(QString::fromStdString(examplePath("realistic_10_storeys.PAR")));
    ASSERT_TRUE(w->wallLoaded());
    w->state().TitleBlock.Project = "Residenza Le Querce";
    QTemporaryDir out;
    QPageLayout seen;
    const QString pdf = out.filePath("stampa.pdf");
    ASSERT_TRUE(
        printSheetOfWall(w.window.get(), *w.prompts, w->state(), printInto(pdf, 100, &seen)));
    // A 10-storey wall at 1:100 goes on an A3 portrait sheet, printed edge to edge.
    EXPECT_EQ(seen.pageSize().id(), QPageSize::A3);
    EXPECT_EQ(seen.orientation(), QPageLayout::Portrait);
    const QString text = pdfText(pdf);
    for (const char *t : {"Residenza Le Querce", "Scala 1:100", "Tavola 1 di 1", "Parete n. 7",
                          "realistic_10_storeys.PAR"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t;
    SheetOptions remembered = initialSheetOptions(w->state());
    EXPECT_DOUBLE_EQ(remembered.request.scale, 100);
    EXPECT_TRUE(w.prompts->warnings.empty());
}

TEST(SheetPrinting, TooLargeForA0OffersTheLargestScaleThatFits) {
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext missing";
    WindowUnderTest w(QString::fromStdString(examplePath("stress_40_storeys.PAR")));
    ASSERT_TRUE(w->wallLoaded());
    QTemporaryDir out;
    QPageLayout seen;
    const QString pdf = out.filePath("alta.pdf");
    w.prompts->answer = [](const QString &q) { return q.contains("Usare la scala 1:200?"); };
    ASSERT_TRUE(
        printSheetOfWall(w.window.get(), *w.prompts, w->state(), printInto(pdf, 50, &seen)));
    ASSERT_EQ(w.prompts->questions.size(), 1u);
    EXPECT_TRUE(w.prompts->questions[0].contains("non entra in un foglio A0"));
    EXPECT_TRUE(pdfText(pdf).contains("Scala 1:200"));
    // Said no, nothing is printed.
    w.prompts->answer = [](const QString &) { return false; };
    EXPECT_FALSE(printSheetOfWall(w.window.get(), *w.prompts, w->state(),
                                  printInto(out.filePath("no.pdf"), 50, &seen)));
    EXPECT_FALSE(QFile::exists(out.filePath("no.pdf")));
}
