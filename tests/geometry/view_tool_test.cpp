// Tests of the mouse tools: zoom window states, its rubber band, the size guard and panning.
#include "geometry/view_tool.h"

#include <gtest/gtest.h>

using namespace murcad;

namespace {
// A 400 x 200 pixel box showing world 0..400 x 0..200 at one pixel per cm.
ViewWindow box() {
    ViewWindow v;
    v.BoxWidthPx = 400;
    v.BoxHeightPx = 200;
    v.ViewLeft = 0;
    v.ViewRight = 400;
    v.ViewBottom = 0;
    v.ViewTop = 200;
    updateViewScale(v);
    return v;
}
} // namespace

TEST(ViewTool, ZoomWindowTakesTwoCornersAndShowsTheBand) {
    ViewWindow v = box();
    ViewToolData t;
    armZoomWindow(t);
    EXPECT_EQ(t.ViewTool, kZoomFirstCorner);
    EXPECT_EQ(t.BandX1, -1);
    ToolOutcome o = viewMouseDown(t, v, kLeftButton, 100, 50);
    EXPECT_EQ(t.ViewTool, kZoomSecondCorner);
    EXPECT_FALSE(o.redraw);
    o = viewMouseMove(t, v, 0, 60, 150);
    EXPECT_TRUE(o.bandChanged);
    EXPECT_TRUE(t.BandShown);
    EXPECT_EQ(t.Band, (BandRect{60, 50, 100, 150})); // normalised left/top/right/bottom
    o = viewMouseDown(t, v, kLeftButton, 300, 150);
    EXPECT_TRUE(o.redraw);
    EXPECT_FALSE(t.BandShown);
    EXPECT_EQ(t.ViewTool, kNoTool);
    // 200 x 100 pixels has the box's 2:1 proportions: world x 100..300, y 50..150.
    EXPECT_FLOAT_EQ(v.ViewLeft, 100);
    EXPECT_FLOAT_EQ(v.ViewRight, 300);
    EXPECT_FLOAT_EQ(v.ViewBottom, 50);
    EXPECT_FLOAT_EQ(v.ViewTop, 150);
    EXPECT_FLOAT_EQ(v.ViewScale, 2);
    EXPECT_FLOAT_EQ(v.PrevViewRight, 400); // the view before the zoom is the previous one
}

TEST(ViewTool, WindowOfTenPixelsOrLessIsIgnoredAndTheToolWaits) {
    ViewWindow v = box();
    ViewWindow before = v;
    ViewToolData t;
    armZoomWindow(t);
    viewMouseDown(t, v, kLeftButton, 100, 100);
    EXPECT_FALSE(viewMouseDown(t, v, kLeftButton, 110, 180).redraw); // 10 px wide
    EXPECT_EQ(t.ViewTool, kZoomSecondCorner);
    EXPECT_FALSE(viewMouseDown(t, v, kLeftButton, 180, 110).redraw); // 10 px high
    EXPECT_EQ(t.ViewTool, kZoomSecondCorner);
    EXPECT_FLOAT_EQ(v.ViewLeft, before.ViewLeft);
    EXPECT_FLOAT_EQ(v.ViewScale, before.ViewScale);
    // The right button does not take a second corner.
    EXPECT_FALSE(viewMouseDown(t, v, kRightButton, 300, 190).redraw);
    EXPECT_EQ(t.ViewTool, kZoomSecondCorner);
    EXPECT_TRUE(viewMouseDown(t, v, kLeftButton, 180, 150).redraw); // 80 x 50: accepted
}

TEST(ViewTool, WindowDraggedWithTheButtonHeldZoomsOnReleaseAsTwoClicksDo) {
    ViewWindow clicked = box(), dragged = box();
    ViewToolData tc, td;
    armZoomWindow(tc);
    viewMouseDown(tc, clicked, kLeftButton, 100, 50);
    viewMouseUp(tc, clicked, kLeftButton, 100, 50); // a click: still waiting
    EXPECT_EQ(tc.ViewTool, kZoomSecondCorner);
    viewMouseDown(tc, clicked, kLeftButton, 300, 150);
    armZoomWindow(td);
    viewMouseDown(td, dragged, kLeftButton, 100, 50);
    viewMouseMove(td, dragged, kLeftButton, 200, 120);
    EXPECT_TRUE(td.BandShown);
    ToolOutcome o = viewMouseUp(td, dragged, kLeftButton, 300, 150);
    EXPECT_TRUE(o.redraw);
    EXPECT_FALSE(td.BandShown);
    EXPECT_EQ(td.ViewTool, kNoTool);
    EXPECT_FLOAT_EQ(dragged.ViewLeft, clicked.ViewLeft);
    EXPECT_FLOAT_EQ(dragged.ViewRight, clicked.ViewRight);
    EXPECT_FLOAT_EQ(dragged.ViewBottom, clicked.ViewBottom);
    EXPECT_FLOAT_EQ(dragged.ViewTop, clicked.ViewTop);
    // A drag of 10 pixels or less in one direction is ignored and the tool keeps waiting.
    armZoomWindow(td);
    viewMouseDown(td, dragged, kLeftButton, 100, 50);
    EXPECT_FALSE(viewMouseUp(td, dragged, kLeftButton, 300, 58).redraw);
    EXPECT_EQ(td.ViewTool, kZoomSecondCorner);
}

TEST(ViewTool, WindowDraggedBackwardsGivesTheSameView) {
    ViewWindow a = box(), b = box();
    ViewToolData ta, tb;
    armZoomWindow(ta);
    viewMouseDown(ta, a, kLeftButton, 50, 20);
    viewMouseDown(ta, a, kLeftButton, 250, 170);
    armZoomWindow(tb);
    viewMouseDown(tb, b, kLeftButton, 250, 170);
    viewMouseDown(tb, b, kLeftButton, 50, 20);
    EXPECT_FLOAT_EQ(a.ViewLeft, b.ViewLeft);
    EXPECT_FLOAT_EQ(a.ViewRight, b.ViewRight);
    EXPECT_FLOAT_EQ(a.ViewBottom, b.ViewBottom);
    EXPECT_FLOAT_EQ(a.ViewTop, b.ViewTop);
}

TEST(ViewTool, BandIsWidenedOrHeightenedToTheBoxProportions) {
    ViewToolData t;
    t.BandX1 = 100, t.BandX2 = 200, t.BandY1 = 0, t.BandY2 = 100; // 1:1 in a 2:1 box
    fitBandToBox(t, 400, 200);
    EXPECT_EQ(t.BandX1, 50);
    EXPECT_EQ(t.BandX2, 250);
    t.BandX1 = 0, t.BandX2 = 400, t.BandY1 = 50, t.BandY2 = 100; // 8:1 in a 2:1 box
    fitBandToBox(t, 400, 200);
    EXPECT_EQ(t.BandY2 - t.BandY1, 200);
    EXPECT_EQ(t.BandY1, -25);
}

TEST(ViewTool, PanToolServesOneDragAndFollowsThePointer) {
    ViewWindow v = box();
    ViewToolData t;
    armPan(t);
    EXPECT_EQ(t.ViewTool, kPanArmed);
    ToolOutcome o = viewMouseDown(t, v, kLeftButton, 100, 100);
    EXPECT_EQ(o.cursor, ToolCursor::Pan);
    EXPECT_EQ(t.ViewTool, kPanning);
    o = viewMouseMove(t, v, kLeftButton, 130, 80); // drag right and up
    EXPECT_TRUE(o.redraw);
    EXPECT_FLOAT_EQ(v.ViewLeft, -30);
    EXPECT_FLOAT_EQ(v.ViewBottom, -20);
    EXPECT_FALSE(viewMouseMove(t, v, kLeftButton | kRightButton, 200, 80).redraw);
    o = viewMouseUp(t, v, kLeftButton, 130, 80);
    EXPECT_EQ(o.cursor, ToolCursor::Crosshair);
    EXPECT_EQ(t.ViewTool, kNoTool);
    EXPECT_FALSE(viewMouseMove(t, v, kLeftButton, 10, 10).redraw);
}

TEST(ViewTool, MiddleDragPansAndReturnsToTheWaitingZoomWindow) {
    ViewWindow v = box();
    ViewToolData t;
    armZoomWindow(t);
    viewMouseDown(t, v, kLeftButton, 10, 10);
    viewMouseDown(t, v, kMiddleButton, 200, 100);
    EXPECT_EQ(t.ViewTool, kPanning);
    viewMouseMove(t, v, kMiddleButton, 220, 100);
    viewMouseUp(t, v, kMiddleButton, 220, 100);
    EXPECT_EQ(t.ViewTool, kZoomSecondCorner);
    // The first corner is now where the pan ended.
    EXPECT_EQ(t.BandX1, 220);
    EXPECT_EQ(t.BandY1, 100);
}

TEST(ViewTool, PressRecordsThePointerForSectionEditing) {
    ViewWindow v = box();
    ViewToolData t;
    viewMouseDown(t, v, kLeftButton, 12.5f, 33);
    EXPECT_FLOAT_EQ(t.MouseX, 12.5f);
    EXPECT_FLOAT_EQ(t.MouseY, 33);
    EXPECT_EQ(t.ViewTool, kNoTool);
}
