// GUI tests of the detailing checks: the "Verifiche" panel, the storey flags, the limits in the
// preferences and the line of the bill of materials.
#include "gui_test_support.h"

#include "checks_panel.h"
#include "detailing_limits_box.h"
#include "drawing_area.h"
#include "preferences_dialog.h"
#include "property_panel.h"
#include "takeoff_dialog.h"

#include "model/user_profile.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace murcad;
using namespace murcad::app;
using namespace murcad::app::testing;

namespace {

QString cell(QTableWidget *t, int row, int column) {
    QTableWidgetItem *item = t->item(row, column);
    return item ? item->text() : QString();
}

bool isFlagRed(QRgb c) {
    return qRed(c) > 180 && qGreen(c) < 60 && qBlue(c) < 60;
}

} // namespace

TEST(ChecksPanelTest, FailingStoreysAreListedAndFlaggedOnTheScreenOnly) {
    WindowUnderTest w(QString::fromStdString(examplePath("no_edge_zones.PAR")));
    ChecksPanel *panel = w->checksPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->table()->rowCount(), 18);
    EXPECT_TRUE(panel->summaryLabel()->text().contains("3 non soddisfatte (piani 1, 2, 3)"));
    EXPECT_EQ(cell(panel->table(), 0, 2), QString("Armatura verticale minima"));
    EXPECT_EQ(cell(panel->table(), 0, 6), QString("NON VERIFICATO"));
    panel->problemsOnlyOption()->setChecked(true);
    EXPECT_EQ(panel->table()->rowCount(), 6); // per storey: the failure and the warning

    DrawingArea *area = w->drawingArea();
    ASSERT_EQ(area->storeyFlags().size(), 3u);
    EXPECT_TRUE(area->storeyFlags()[1].text.contains("Piano 2: verifiche non soddisfatte"));
    EXPECT_TRUE(area->storeyFlags()[1].text.contains("Armatura verticale minima: 0.17 %"));
    // The flag is painted over the sheet, not into it: the sheet image (the same drawing the
    // DXF gets) has no red where the widget shows the flag.
    QImage shown = area->grab().toImage();
    QRectF flag = area->storeyFlagRect(0);
    QPoint centre(qRound(flag.left() + flag.width() * 0.3), qRound(flag.center().y()));
    ASSERT_TRUE(area->rect().contains(centre));
    EXPECT_TRUE(isFlagRed(shown.pixel(centre)));
    qreal ratio = area->sheetImage().devicePixelRatio();
    EXPECT_FALSE(isFlagRed(area->sheetImage().pixel(centre * ratio)));
}

TEST(ChecksPanelTest, RefreshedAfterAnEditAndAfterNewLimits) {
    WindowUnderTest w(QString::fromStdString(examplePath("realistic_10_storeys.PAR")));
    QTableWidget *table = w->checksPanel()->table();
    EXPECT_EQ(cell(table, 0, 3), QString("0.76 %"));
    EXPECT_TRUE(w->drawingArea()->storeyFlags().empty());

    // A 3000 cm right offset on storey 1 spreads its bars over a longer wall.
    w->propertyPanel()->itemById(11)->setText(1, "3000");
    EXPECT_EQ(cell(table, 0, 3), QString("0.43 %"));

    w->state().checkLimits.rhoVMin = 0.005;
    w->redrawSheet();
    EXPECT_EQ(cell(table, 0, 6), QString("NON VERIFICATO"));
    EXPECT_FALSE(w->drawingArea()->storeyFlags().empty());
}

TEST(ChecksPanelTest, LimitsEditedInThePreferencesAndSavedToTheUserProfile) {
    QTemporaryDir profile; // the settings file "Salva" also writes
    AppState state;
    state.ProfileFolder = profile.path().toStdString();
    state.UserProfilePath = profile.filePath("preferenze.ini").toStdString();
    ScriptedPrompts prompts;
    {
        PreferencesDialog d(state, prompts, [] {});
        d.checkLimitsBox()->box("RhoVMin")->setText("0,0025");
        d.checkLimitsBox()->box("LinkSpacingMax")->setText("300");
        d.saveButton()->click();
    }
    EXPECT_DOUBLE_EQ(state.checkLimits.rhoVMin, 0.0025);
    UserProfile saved;
    ASSERT_TRUE(loadUserProfile(state.UserProfilePath, saved));
    EXPECT_EQ(detailingLimits(saved), state.checkLimits);
    EXPECT_TRUE(prompts.warnings.empty());

    // A value out of range is refused on leaving, the limits stay as they were.
    PreferencesDialog d(state, prompts, [] {});
    d.checkLimitsBox()->box("RhoVMax")->setText("5");
    d.exitButton()->click();
    EXPECT_DOUBLE_EQ(state.checkLimits.rhoVMax, 0.04);
    ASSERT_EQ(prompts.warnings.size(), 1u);
    EXPECT_TRUE(prompts.warnings[0].contains("RhoVMax"));
    d.checkLimitsBox()->recommendedButton()->click();
    EXPECT_EQ(d.checkLimitsBox()->box("RhoVMin")->text(), QString("0.002"));
}

TEST(ChecksPanelTest, TheBillOfMaterialsSaysHowManyChecksFail) {
    WindowUnderTest w(QString::fromStdString(examplePath("no_edge_zones.PAR")));
    std::string report;
    TakeoffDialog d(w->state(), {}, w->prompts(), report);
    EXPECT_EQ(d.checksLine()->text(),
              QString("Verifiche di dettaglio (EN 1992-1-1): 3 non soddisfatte su 18 "
                      "(piani 1, 2, 3), 3 avvisi"));
}
