// GUI tests of the dialogs: preferences, colour picker, border offset, DXF export, take-off.
#include "gui_test_support.h"

#include "border_offset_dialog.h"
#include "colour_ink.h"
#include "colour_picker_dialog.h"
#include "dxf_dialog.h"
#include "preferences_dialog.h"
#include "takeoff_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>

using namespace murcad;
using namespace murcad::app;
using namespace murcad::app::testing;

namespace {
const char *kExample = "realistic_10_storeys.PAR";

void selectRows(QListWidget *list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (int r : rows)
        list->item(r)->setSelected(true);
}

QStringList texts(QListWidget *list) {
    QStringList t;
    for (int i = 0; i < list->count(); ++i)
        t << list->item(i)->text();
    return t;
}
} // namespace

TEST(PreferencesDialogTest, TieDiameterFourAndTwentyAcceptedThreeAndTwentyOneRefused) {
    AppState state;
    ScriptedPrompts prompts;
    int redraws = 0;
    for (auto [text, accepted] : {std::pair{"3", false}, std::pair{"4", true},
                                  std::pair{"20", true}, std::pair{"21", false}}) {
        state.wall.TieDiameter = 8;
        prompts.warnings.clear();
        PreferencesDialog d(state, prompts, [&] { ++redraws; });
        d.tieDiameterBox()->setText(text);
        d.exitButton()->click();
        EXPECT_EQ(d.result(), QDialog::Accepted) << text; // the dialog closes either way
        EXPECT_EQ(state.wall.TieDiameter, accepted ? QString(text).toInt() : 8) << text;
        if (accepted)
            EXPECT_TRUE(prompts.warnings.empty()) << text;
        else
            EXPECT_EQ(prompts.warnings,
                      std::vector<QString>{"Diametro non ammesso.\nDiametro legature (mm): "
                                           "valori ammessi da 4 a 20."})
                << text;
    }
    EXPECT_EQ(redraws, 4);
}

TEST(PreferencesDialogTest, ALapFactorOutOfLimitsOrNotANumberIsRefusedAndNotSaved) {
    QTemporaryDir profile;
    AppState state;
    state.ProfileFolder = profile.path().toStdString();
    ScriptedPrompts prompts;
    for (const char *bad : {"1500", "-40", "quaranta"}) {
        prompts.warnings.clear();
        PreferencesDialog d(state, prompts, [] {});
        d.lapFactorBox()->setText(bad);
        d.saveButton()->click(); // nothing is written, the dialog stays open
        EXPECT_FALSE(QFile::exists(profile.filePath("Veruz2008.ini"))) << bad;
        d.exitButton()->click(); // the old value stays
        EXPECT_FLOAT_EQ(state.wall.LapFactor, 40) << bad;
        ASSERT_EQ(prompts.warnings.size(), 2u) << bad;
        EXPECT_TRUE(prompts.warnings[0].startsWith("Numero di diametri: "));
        EXPECT_TRUE(prompts.warnings[0].endsWith("valori ammessi da 0 a 1000."));
    }
}

TEST(PreferencesDialogTest, SaveStoresTheLapFactorButNotTheTieBox) {
    QTemporaryDir profile;
    AppState state;
    state.ProfileFolder = profile.path().toStdString();
    ScriptedPrompts prompts;
    PreferencesDialog d(state, prompts, [] {});
    d.lapFactorBox()->setText("45,5");
    d.tieDiameterBox()->setText("12");
    d.saveButton()->click();
    EXPECT_FLOAT_EQ(state.wall.LapFactor, 45.5f);
    EXPECT_EQ(state.wall.TieDiameter, 6);
    EXPECT_TRUE(QFile::exists(profile.filePath("Veruz2008.ini")));
    EXPECT_TRUE(prompts.warnings.empty());
}

TEST(PreferencesDialogTest, WhiteBackgroundThenDefaultsGivesTheLightColours) {
    AppState state;
    ScriptedPrompts prompts;
    int redraws = 0;
    PreferencesDialog d(state, prompts, [&] { ++redraws; });
    d.whiteOption()->click();
    EXPECT_EQ(state.layers.LightBackground, 1);
    d.defaultColoursButton()->click();
    EXPECT_EQ(state.layers.Colours.ColourSteel, rgb(0, 0, 0));
    EXPECT_EQ(state.layers.Colours.ColourDims, rgb(0, 0, 128));
    EXPECT_EQ(state.layers.Colours.ColourText, rgb(0, 0, 255));
    EXPECT_EQ(state.layers.Colours.ColourSections, rgb(0, 128, 0));
    EXPECT_EQ(state.layers.Colours.ColourBars, rgb(128, 0, 128));
    d.setColourItem(3, rgb(1, 2, 3));
    EXPECT_EQ(state.layers.Colours.ColourBars, rgb(1, 2, 3));
    EXPECT_EQ(redraws, 3);
}

TEST(ColourPickerDialogTest, CellsShowTheirIndexesAndOkReturnsTheChoice) {
    ColourPickerDialog d(5);
    EXPECT_EQ(d.windowTitle(), QString("Selettore colore"));
    EXPECT_EQ(d.idLabel()->text(), QString("id colore = 5"));
    struct Case {
        int cell, index, r, g, b;
    };
    for (Case c : {Case{0, 18, 76, 0, 0}, Case{96, 10, 255, 0, 0}, Case{254, 255, 214, 214, 214}}) {
        QPoint centre = d.palette()->cellCentre(c.cell);
        QTest::mouseMove(d.palette(), centre);
        QTest::mouseRelease(d.palette(), Qt::LeftButton, {}, centre);
        EXPECT_EQ(d.idLabel()->text(), QString("id colore = %1").arg(c.index));
        EXPECT_EQ(d.componentLabel(0)->text(), QString("R = %1").arg(c.r));
        EXPECT_EQ(d.componentLabel(1)->text(), QString("G = %1").arg(c.g));
        EXPECT_EQ(d.componentLabel(2)->text(), QString("B = %1").arg(c.b));
    }
    d.okButton()->click();
    EXPECT_EQ(d.pickerColour(), 255);
}

TEST(ColourPickerDialogTest, CancelReturnsTheStartingIndex) {
    ColourPickerDialog d(130);
    QPoint centre = d.palette()->cellCentre(96);
    QTest::mouseRelease(d.palette(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(d.selectedIndex(), 10);
    d.cancelButton()->click();
    EXPECT_EQ(d.pickerColour(), 130);
}

TEST(ColourPickerDialogTest, DoubleClickOnACellChoosesItAndCloses) {
    ColourPickerDialog d(130);
    d.show();
    QTest::mouseDClick(d.palette(), Qt::LeftButton, {}, d.palette()->cellCentre(96));
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.pickerColour(), 10);
}

TEST(ColourButtons, TextIsBlackOnLightColoursAndWhiteOnDarkOnes) {
    for (QColor light : {QColor(255, 255, 0), QColor(0, 255, 255), QColor(0, 255, 0),
                         QColor(255, 255, 255)})
        EXPECT_EQ(readableInk(light), QColor(Qt::black)) << light.name().toStdString();
    for (QColor dark : {QColor(0, 0, 128), QColor(255, 0, 0), QColor(128, 0, 128),
                        QColor(0, 128, 0), QColor(0, 0, 255)})
        EXPECT_EQ(readableInk(dark), QColor(Qt::white)) << dark.name().toStdString();
}

TEST(BorderOffsetDialogTest, CommaValueSetsEveryLeftOffsetAndBadTextIsRefused) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    Wall &wall = w->state().wall;
    BorderOffsetDialog d(wall, BorderSide::Left, w->prompts());
    EXPECT_EQ(d.windowTitle(), QString("Offset bordo sinistro"));
    d.shiftBox()->setText("dodici");
    d.confirmButton()->click();
    EXPECT_EQ(w.prompts->warnings.size(), 1u);
    EXPECT_EQ(d.result(), 0);
    d.shiftBox()->setText("12,5");
    d.confirmButton()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    for (const Storey &s : wall.Storeys)
        EXPECT_FLOAT_EQ(s.OffsetLeft, 12.5f);
    BorderOffsetDialog right(wall, BorderSide::Right, w->prompts());
    EXPECT_EQ(right.windowTitle(), QString("Offset bordo destro"));
    right.shiftBox()->setText("7");
    right.cancelButton()->click();
    EXPECT_FLOAT_EQ(wall.Storeys[0].OffsetRight, 0.0f);
}

class DxfDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char *n : {"A.PAR", "B.par", "C.PAR", "note.txt"})
            ASSERT_TRUE(
                QFile::copy(QString::fromStdString(examplePath(kExample)), folder.filePath(n)));
        state.HostFolder = templatesFolder();
        state.ProfileFolder = profile.path().toStdString();
    }
    DxfDialog *open() {
        dialog = std::make_unique<DxfDialog>(
            DxfDialogContext{state, prompts, session, report, folder.path().toStdString()});
        return dialog.get();
    }
    QTemporaryDir folder, profile;
    AppState state;
    ScriptedPrompts prompts;
    DxfSession session;
    std::string report;
    std::unique_ptr<DxfDialog> dialog;
};

TEST_F(DxfDialogTest, AddAddAllAndRemoveRules) {
    DxfDialog *d = open();
    EXPECT_EQ(d->windowTitle(), QString("File DXF"));
    ASSERT_EQ(texts(d->availableList()), QStringList({"A.PAR", "B.par", "C.PAR"}));
    selectRows(d->availableList(), {2});
    d->addButton()->click();
    selectRows(d->availableList(), {0, 2});
    d->addButton()->click(); // C once only; A after it
    EXPECT_EQ(texts(d->chosenList()), QStringList({"C.PAR", "A.PAR"}));
    d->addAllButton()->click(); // the file list's order, no duplicates
    EXPECT_EQ(texts(d->chosenList()), QStringList({"A.PAR", "B.par", "C.PAR"}));
    selectRows(d->chosenList(), {0, 2});
    d->removeButton()->click();
    EXPECT_EQ(texts(d->chosenList()), QStringList({"B.par"}));
    d->removeAllButton()->click();
    EXPECT_EQ(d->chosenList()->count(), 0);
}

TEST_F(DxfDialogTest, GenerateWithoutFilesSaysSoAndWritesNothing) {
    DxfDialog *d = open();
    EXPECT_FALSE(d->generate());
    ASSERT_EQ(prompts.warnings.size(), 1u);
    EXPECT_TRUE(prompts.warnings[0].startsWith("Non sono stati selezionati i file dati."));
    EXPECT_TRUE(prompts.saveTitles.empty());
}

TEST_F(DxfDialogTest, GenerateWritesTheDxfAndOffersTheTakeoffOfTheSameFiles) {
    DxfDialog *d = open();
    d->addAllButton()->click();
    d->scaleLeftBox()->setText("1,5");
    d->takeoffOption()->setChecked(true);
    std::vector<std::string> takeoffPaths;
    d->showTakeoff = [&](const std::vector<std::string> &p) { takeoffPaths = p; };
    prompts.saveAnswer = folder.filePath("out");
    Wall before = state.wall;
    ASSERT_TRUE(d->generate());
    EXPECT_TRUE(QFile::exists(folder.filePath("out.DXF")));
    EXPECT_FLOAT_EQ(state.layers.DxfScaleLeft, 1.5f);
    EXPECT_EQ(session.DxfFileName, folder.filePath("out.DXF").toStdString());
    EXPECT_EQ(takeoffPaths.size(), 3u);
    EXPECT_EQ(state.ReportFlag, 1);
    EXPECT_EQ(state.wall, before); // the open wall is not replaced by the batch
}

TEST_F(DxfDialogTest, SwatchTakesThePickedColour) {
    DxfDialog *d = open();
    d->pickColour = [](int start) { return start == 6 ? 200 : -1; };
    d->layerSwatch(0)->click();
    EXPECT_EQ(d->workingColour(0), 200);
    EXPECT_EQ(d->layerSwatch(0)->text(), QString("200"));
    d->saveSettingsButton()->click();
    EXPECT_EQ(state.layers.LayerColour[0], 200);
}

TEST(TakeoffDialogTest, CurrentWallReportHasOneWallAndSavesTheRtf) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    std::string reportName;
    w->state().ReportFlag = 0;
    TakeoffDialog d(w->state(), {}, w->prompts(), reportName);
    EXPECT_EQ(d.windowTitle(), QString("Computo materiali"));
    EXPECT_FALSE(d.run().batch);
    ASSERT_EQ(d.run().walls.size(), 1u);
    QString shown = d.viewer()->toPlainText();
    EXPECT_TRUE(shown.contains("Parete n."));
    EXPECT_TRUE(shown.contains("Armature verticali:"));
    EXPECT_FALSE(shown.contains("Quantità totali:"));
    EXPECT_FALSE(shown.contains("Barre Ø"));
    d.perDiameterOption()->setChecked(true);
    EXPECT_TRUE(d.viewer()->toPlainText().contains("Barre Ø"));

    QTemporaryDir dir;
    w.prompts->saveAnswer = dir.filePath("computo.rtf");
    EXPECT_TRUE(d.saveReport());
    EXPECT_EQ(reportName, "ComputoParete.rtf");
    QFile f(dir.filePath("computo.rtf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("{\\rtf1\\ansi"));
}

TEST(TakeoffDialogTest, BatchCountsTheWallsThatLoad) {
    AppState state;
    state.ReportFlag = 1;
    ScriptedPrompts prompts;
    std::string reportName;
    TakeoffDialog d(state,
                    {examplePath(kExample), examplePath("missing.PAR"), examplePath("offsets.PAR")},
                    prompts, reportName);
    EXPECT_TRUE(d.run().batch);
    EXPECT_EQ(d.run().WallsComputed, 2);
    EXPECT_TRUE(d.viewer()->toPlainText().contains("Quantità totali:"));
    EXPECT_TRUE(d.viewer()->toPlainText().contains("Vavire computate = 2"));
}
