// GUI tests of undo and redo on the real main window, the section list and the recent walls.
#include "gui_test_support.h"

#include "border_offset_dialog.h"
#include "command_table.h"
#include "preferences_dialog.h"
#include "drawing_area.h"
#include "property_panel.h"
#include "recent_files_menu.h"
#include "section_list_dock.h"
#include "translations.h"

#include "geometry/numbers.h"
#include "model/property_grid.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidgetItem>
#include <QUndoStack>

#include <cmath>

using namespace murcad;
using namespace murcad::app;
using namespace murcad::app::testing;

namespace {

const char *kExample = "realistic_10_storeys.PAR";

/// Two copies of the example wall, P1.PAR and P2.PAR, in a temporary folder (saving writes
/// the companion beside the wall file).
struct WallCopy {
    QTemporaryDir dir;
    WallCopy() {
        for (const char *name : {"P1.PAR", "P2.PAR"})
            QFile::copy(QString::fromStdString(examplePath(kExample)), dir.filePath(name));
    }
    QString path(const char *name = "P1.PAR") const { return dir.filePath(name); }
};

QPoint pixelOf(MainWindow &w, float xRel, float level) {
    const ViewWindow &v = w.view();
    return QPoint(static_cast<int>(std::lround(v.screenX(w.elevationX() + xRel))),
                  static_cast<int>(std::lround(v.screenY(level))));
}

/// Runs a command whose modal border-offset dialog is answered with text.
void borderOffset(MainWindow &w, int id, const QString &text) {
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto *d = qobject_cast<BorderOffsetDialog *>(QApplication::activeModalWidget())) {
            d->shiftBox()->setText(text);
            d->confirmButton()->click();
        }
    });
    timer.start();
    w.executeCommand(id);
}

} // namespace

TEST(UndoRedo, EveryKindOfEditUndoesAndRedoesTheWholeWallByName) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    MainWindow &mw = *w.window;
    const Wall &wall = mw.state().wall;
    QUndoStack &stack = *mw.undoStack();
    EXPECT_EQ(stack.count(), 0);
    std::vector<Wall> states{wall};
    QStringList names;
    auto recorded = [&](const char *what) {
        SCOPED_TRACE(what);
        ASSERT_EQ(stack.count(), static_cast<int>(states.size()));
        EXPECT_NE(wall, states.back());
        states.push_back(wall);
        names.push_back(mw.action(CmdUndo)->text());
    };
    mw.propertyPanel()->itemById(20)->setText(1, "250,5");
    recorded("storey height");
    mw.propertyPanel()->itemById(kGridFoundation)->setText(1, "95");
    recorded("foundation");
    mw.propertyPanel()->itemById(11)->setText(1, "-3"); // refused: nothing to undo
    EXPECT_EQ(stack.count(), 2);
    borderOffset(mw, CmdOffsetLeft, "12,5");
    recorded("border offset");
    float level = (wall.Storeys[1].TopLevel + wall.Storeys[2].TopLevel) / 2 + 37;
    mw.executeCommand(CmdInsertHorizontal);
    QTest::mouseClick(mw.drawingArea(), Qt::LeftButton, {}, pixelOf(mw, 0, level));
    recorded("click insert");
    w.prompts->answer = [](const QString &q) { return q.endsWith(" 1?"); };
    mw.executeCommand(CmdDeleteSection);
    QTest::mouseClick(mw.drawingArea(), Qt::LeftButton, {},
                      pixelOf(mw, 0, wall.HorizSections[0].Y1));
    recorded("click delete");
    SectionListDock *list = mw.sectionList();
    list->newValueBox(false)->setText("-40");
    list->addButton(false)->click();
    recorded("list add");
    list->table(true)->item(0, 1)->setText("1000");
    recorded("list move");

    EXPECT_EQ(names.join(" | ").toStdString(),
              "Annulla modifica H 2 | Annulla modifica Spess. fondazione | "
              "Annulla offset del bordo sinistro | Annulla inserimento sezione 3 | "
              "Annulla cancellazione sezione 1 | Annulla inserimento sezione A | "
              "Annulla spostamento sezione 1");
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        mw.action(CmdUndo)->trigger();
        EXPECT_EQ(wall, states[i]) << "undo to step " << i;
    }
    EXPECT_FALSE(mw.action(CmdUndo)->isEnabled());
    EXPECT_EQ(mw.propertyPanel()->valueOf(20), QString::fromStdString(
                                                   gridItemValue(states[0], 20)));
    EXPECT_EQ(list->table(true)->rowCount(), states[0].horizSectionCount());
    for (std::size_t i = 1; i < states.size(); ++i) {
        mw.action(CmdRedo)->trigger();
        EXPECT_EQ(wall, states[i]) << "redo to step " << i;
    }
}

TEST(UndoRedo, CleanWhenSavedAndEmptiedWhenAnotherWallOpens) {
    WallCopy copy;
    WindowUnderTest w(copy.path());
    MainWindow &mw = *w.window;
    QUndoStack &stack = *mw.undoStack();
    // The clean state is the unsaved-changes mark of the title.
    auto marked = [&] { return mw.windowTitle().endsWith('*'); };
    EXPECT_TRUE(stack.isClean());
    mw.propertyPanel()->itemById(kGridFoundation)->setText(1, "95");
    EXPECT_FALSE(stack.isClean());
    EXPECT_TRUE(marked());
    mw.action(CmdUndo)->trigger(); // back to the wall as opened: nothing to save
    EXPECT_TRUE(stack.isClean());
    EXPECT_FALSE(marked());
    mw.action(CmdRedo)->trigger();
    EXPECT_TRUE(marked());
    mw.executeCommand(CmdSave);
    EXPECT_TRUE(stack.isClean());
    EXPECT_FALSE(marked());
    mw.action(CmdUndo)->trigger();
    EXPECT_FALSE(stack.isClean()); // the wall differs from the saved one again
    EXPECT_TRUE(marked());
    mw.action(CmdRedo)->trigger();
    EXPECT_TRUE(stack.isClean());
    EXPECT_FALSE(marked());
    w.prompts->openAnswer = copy.path("P2.PAR");
    mw.executeCommand(CmdOpen);
    EXPECT_EQ(stack.count(), 0);
    EXPECT_TRUE(stack.isClean());
    EXPECT_FALSE(marked());

    // A new lap factor is saved with the wall but is not undone: undoing the grid edit made
    // after it must leave the wall marked as changed.
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto *d = qobject_cast<PreferencesDialog *>(QApplication::activeModalWidget())) {
            d->lapFactorBox()->setText("50");
            d->exitButton()->click();
        }
    });
    timer.start();
    mw.executeCommand(CmdPreferences);
    timer.stop();
    ASSERT_FLOAT_EQ(mw.state().wall.LapFactor, 50);
    mw.propertyPanel()->itemById(kGridFoundation)->setText(1, "95");
    mw.action(CmdUndo)->trigger();
    EXPECT_FALSE(stack.isClean());
    EXPECT_TRUE(marked());
}

TEST(SectionList, ListsTheCutsMovesThemByTheClickRulesAndHighlightsTheChoice) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    MainWindow &mw = *w.window;
    const Wall &wall = mw.state().wall;
    SectionListDock *list = mw.sectionList();
    QTableWidget *h = list->table(true);
    ASSERT_EQ(h->rowCount(), wall.horizSectionCount());
    ASSERT_GE(h->rowCount(), 3);
    EXPECT_EQ(h->item(2, 0)->text(), QString("3"));
    EXPECT_EQ(h->item(2, 1)->text(),
              QString::fromStdString(formatNumber(wall.HorizSections[2].Y1, 1)));
    EXPECT_EQ(h->item(2, 2)->text(), QString::number(wall.HorizSections[2].StoreyIndex + 1));
    EXPECT_EQ(list->table(false)->item(0, 0)->text(), QString("A"));

    // A level above the wall or no number at all is refused with a message naming it.
    const Wall before = wall;
    QString old = h->item(1, 1)->text();
    h->item(1, 1)->setText("99999");
    h->item(1, 1)->setText("tre");
    EXPECT_EQ(wall, before);
    EXPECT_EQ(h->item(1, 1)->text(), old);
    ASSERT_EQ(w.prompts->warnings.size(), 2u);
    EXPECT_TRUE(w.prompts->warnings[0].contains("99999.0")) << w.prompts->warnings[0].toStdString();
    EXPECT_TRUE(w.prompts->warnings[1].contains("tre"));

    // Selecting a row shows that cut on the sheet; a vertical row takes over.
    h->selectRow(1);
    EXPECT_EQ(mw.drawingArea()->highlight(), (SectionHit{true, 1}));
    list->table(false)->selectRow(0);
    EXPECT_EQ(mw.drawingArea()->highlight(), (SectionHit{false, 0}));
    EXPECT_TRUE(h->selectedItems().isEmpty());

    // "Elimina" asks as the delete click does, and deletes only what is confirmed.
    h->selectRow(0);
    w.prompts->answer = [](const QString &) { return true; };
    list->deleteButton(true)->click();
    EXPECT_EQ(w.prompts->questions.back(), QString("Vuoi cancellare la sezione  1?"));
    EXPECT_EQ(wall.horizSectionCount(), before.horizSectionCount() - 1);
    EXPECT_EQ(h->rowCount(), wall.horizSectionCount());
}

TEST(RecentFiles, OpenedWallsComeFirstAreKeptForTheNextStartAndAMissingOneLeaves) {
    WallCopy copy;
    WindowUnderTest w(copy.path("P1.PAR"));
    MainWindow &mw = *w.window;
    w.prompts->openAnswer = copy.path("P2.PAR");
    mw.executeCommand(CmdOpen);
    EXPECT_EQ(mw.recentFiles()->files(), QStringList({copy.path("P2.PAR"), copy.path("P1.PAR")}));
    EXPECT_EQ(mw.recentFiles()->entry(0)->text(), QString("&1 P2.PAR"));
    EXPECT_FALSE(mw.recentFiles()->entry(2)->isVisible());

    // The next start reads the same list from the store.
    QMenu menu;
    RecentFilesMenu next(&menu, menu.addAction("&Esci"), w.profile.filePath("recent.ini"));
    EXPECT_EQ(next.files(), mw.recentFiles()->files());

    mw.recentFiles()->entry(1)->trigger();
    EXPECT_EQ(QString::fromStdString(mw.state().wall.WallFile), copy.path("P1.PAR"));
    EXPECT_EQ(mw.recentFiles()->files().first(), copy.path("P1.PAR"));
    QFile::remove(copy.path("P2.PAR"));
    mw.recentFiles()->entry(1)->trigger();
    EXPECT_EQ(QString::fromStdString(mw.state().wall.WallFile), copy.path("P1.PAR"));
    EXPECT_EQ(mw.recentFiles()->files(), QStringList({copy.path("P1.PAR")}));
    EXPECT_EQ(w.prompts->warnings.size(), 1u);
}

TEST(ItalianTexts, StockButtonsReadInItalian) {
    ASSERT_TRUE(installItalianTranslations());
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text().remove('&'), QString("Sì"));
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("Annulla"));
}
