// GUI tests of section editing by clicks on the drawing area and of the property grid edits.
#include "gui_test_support.h"

#include "command_table.h"
#include "drawing_area.h"
#include "property_panel.h"

#include "geometry/section_pick.h"

#include <QScrollBar>
#include <QTreeWidgetItem>

#include <cmath>

using namespace murcad;
using namespace murcad::app;
using namespace murcad::app::testing;

namespace {

const char *kExample = "realistic_10_storeys.PAR";

/// The pixel at a world point of the elevation (x relative to the elevation axis).
QPoint pixelOf(MainWindow &w, float xRel, float level) {
    const ViewWindow &v = w.view();
    return QPoint(static_cast<int>(std::lround(v.screenX(w.elevationX() + xRel))),
                  static_cast<int>(std::lround(v.screenY(level))));
}

int indexAtLevel(const Wall &wall, float level, float tolerance) {
    for (int k = 0; k < wall.horizSectionCount(); ++k)
        if (std::fabs(wall.HorizSections[k].Y1 - level) <= tolerance)
            return k;
    return -1;
}

} // namespace

TEST(SectionEditing, ClickInsertsAHorizontalSectionAndASecondClickDeletesIt) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    MainWindow &mw = *w.window;
    Wall &wall = mw.state().wall;
    ASSERT_GE(wall.storeyCount(), 3);
    // Half-way up the third storey, on the wall's axis.
    float level = (wall.Storeys[1].TopLevel + wall.Storeys[2].TopLevel) / 2 + 37;
    int before = wall.horizSectionCount();
    QPoint p = pixelOf(mw, wall.Storeys[2].Shift, level);
    mw.executeCommand(CmdInsertHorizontal);
    QTest::mouseClick(mw.drawingArea(), Qt::LeftButton, {}, p);
    ASSERT_EQ(wall.horizSectionCount(), before + 1);
    EXPECT_EQ(mw.state().editMode, EditMode::None);
    float pixelCm = 1.0f / mw.view().ViewScale;
    int k = indexAtLevel(wall, level, pixelCm);
    ASSERT_GE(k, 0);
    EXPECT_EQ(wall.HorizSections[k].StoreyIndex, 2);

    // Delete: only the new cut is confirmed, whatever else lies under the pointer.
    QString expected = QString::fromStdString(deleteSectionQuestion({true, k}));
    w.prompts->answer = [expected](const QString &q) { return q == expected; };
    mw.executeCommand(CmdDeleteSection);
    QTest::mouseClick(mw.drawingArea(), Qt::LeftButton, {}, p);
    EXPECT_EQ(wall.horizSectionCount(), before);
    EXPECT_EQ(indexAtLevel(wall, level, pixelCm), -1);
    EXPECT_EQ(mw.state().editMode, EditMode::None);
    EXPECT_FALSE(w.prompts->questions.empty());
    EXPECT_EQ(w.prompts->questionTitles[0], QString("Cancella sezione"));
}

TEST(SectionEditing, ClickBelowTheBaseInsertsNothingAndEndsTheMode) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    MainWindow &mw = *w.window;
    Wall &wall = mw.state().wall;
    int before = wall.horizSectionCount();
    mw.executeCommand(CmdInsertHorizontal);
    QTest::mouseClick(mw.drawingArea(), Qt::LeftButton, {}, pixelOf(mw, 0, wall.BaseLevel - 40));
    EXPECT_EQ(wall.horizSectionCount(), before);
    EXPECT_EQ(mw.state().editMode, EditMode::None);
    // The next click is an ordinary click again.
    QTest::mouseClick(mw.drawingArea(), Qt::LeftButton, {}, pixelOf(mw, 0, wall.BaseLevel + 100));
    EXPECT_EQ(wall.horizSectionCount(), before);
}

TEST(SectionEditing, ClickInsertsAVerticalSectionAtTheAbscissa) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    MainWindow &mw = *w.window;
    Wall &wall = mw.state().wall;
    int before = wall.vertSectionCount();
    float x = wall.FirstStoreyLeftX + 30;
    mw.executeCommand(CmdInsertVertical);
    QTest::mouseClick(mw.drawingArea(), Qt::LeftButton, {}, pixelOf(mw, x, wall.BaseLevel + 50));
    ASSERT_EQ(wall.vertSectionCount(), before + 1);
    EXPECT_NEAR(wall.VertSections[0].X1, x, 1.0f / mw.view().ViewScale);
}

TEST(PropertyGridEditing, HeightWithDecimalCommaIsTakenAndFitted) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    MainWindow &mw = *w.window;
    Wall &wall = mw.state().wall;
    float oldHeight = wall.Storeys[1].Height, oldZone = wall.Storeys[1].BaseZoneHeight;
    QTreeWidgetItem *item = mw.propertyPanel()->itemById(20);
    ASSERT_NE(item, nullptr);
    item->setText(1, "250,5");
    EXPECT_FLOAT_EQ(wall.Storeys[1].Height, 250.5f);
    EXPECT_NEAR(wall.Storeys[1].BaseZoneHeight, oldZone * 250.5f / oldHeight, 1e-3);
    EXPECT_EQ(mw.propertyPanel()->valueOf(20), QString("250.5"));
    EXPECT_FLOAT_EQ(wall.Storeys[1].TopLevel, wall.Storeys[0].TopLevel + 250.5f);
}

TEST(PropertyGridEditing, NegativeOffsetIsRefusedAndTheOldValueShown) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    MainWindow &mw = *w.window;
    QString old = mw.propertyPanel()->valueOf(11);
    float oldOffset = mw.state().wall.Storeys[0].OffsetRight;
    mw.propertyPanel()->itemById(11)->setText(1, "-3");
    EXPECT_EQ(mw.propertyPanel()->valueOf(11), old);
    EXPECT_FLOAT_EQ(mw.state().wall.Storeys[0].OffsetRight, oldOffset);
    mw.propertyPanel()->itemById(11)->setText(1, "15");
    EXPECT_FLOAT_EQ(mw.state().wall.Storeys[0].OffsetRight, 15.0f);
    EXPECT_EQ(mw.propertyPanel()->valueOf(11), QString("15.0"));
}

TEST(PropertyGridEditing, GridDoesNotScrollSidewaysWhenAValueIsEdited) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    PropertyPanel *grid = w->propertyPanel();
    QTreeWidgetItem *item = grid->itemById(20);
    grid->setCurrentItem(item, 1);
    grid->editItem(item, 1);
    QApplication::processEvents();
    QWidget *editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "280");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FLOAT_EQ(w->state().wall.Storeys[1].Height, 280.0f);
    EXPECT_EQ(grid->horizontalScrollBar()->value(), 0);
}
