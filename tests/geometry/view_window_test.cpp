// View window: transforms, scale, sheet extents, fit, zoom steps, previous view and pan.
#include "geometry/view.h"

#include <gtest/gtest.h>

namespace murcad {
namespace {

ViewWindow box(float w, float h) {
    ViewWindow v;
    v.BoxWidthPx = w;
    v.BoxHeightPx = h;
    return v;
}

TEST(ViewWindow, BottomLeftCornerMapsToBottomPixelRow) {
    ViewWindow v = box(800, 600);
    v.ViewLeft = 10;
    v.ViewBottom = -20;
    v.ViewScale = 2;
    EXPECT_FLOAT_EQ(v.screenX(10), 0);
    EXPECT_FLOAT_EQ(v.screenY(-20), 600);
    EXPECT_FLOAT_EQ(v.screenX(11), 2);
    EXPECT_FLOAT_EQ(v.screenY(-19), 598);
}

TEST(ViewWindow, WorldTransformsInvertScreenTransforms) {
    ViewWindow v = box(1000, 700);
    v.ViewLeft = -123.5f;
    v.ViewBottom = 40.25f;
    v.ViewScale = 0.37f;
    for (float x : {-500.0f, 0.0f, 1234.5f}) {
        EXPECT_NEAR(v.worldX(v.screenX(x)), x, 1e-3);
        EXPECT_NEAR(v.worldY(v.screenY(x)), x, 1e-3);
    }
}

TEST(ViewWindow, ScaleIsTheSmallerAxisScaleAndOneForAnEmptyWindow) {
    ViewWindow v = box(1000, 500);
    EXPECT_FLOAT_EQ(computeViewScale(v, 0, 0, 100, 100), 5);   // sy = 5 < sx = 10
    EXPECT_FLOAT_EQ(computeViewScale(v, 0, 0, 400, 10), 2.5f); // sx = 2.5 < sy = 50
    EXPECT_FLOAT_EQ(computeViewScale(v, 5, 0, 5, 100), 1);
    EXPECT_FLOAT_EQ(computeViewScale(v, 0, 7, 100, 7), 1);
}

TEST(SheetExtents, EmptyWallGivesTheDefaultSheet) {
    Wall w;
    SheetExtents e = computeSheetExtents(w);
    EXPECT_FLOAT_EQ(e.SheetLeft, -100);
    EXPECT_FLOAT_EQ(e.SheetRight, 400);
    EXPECT_FLOAT_EQ(e.SheetBottom, -100);
    EXPECT_FLOAT_EQ(e.SheetTop, 200);
}

TEST(SheetExtents, SectionsWidenTheSheetAndTheFoundationLowersIt) {
    Wall w;
    w.Thickness = 30;
    w.BaseLevel = 50;
    w.FoundationThickness = 80;
    Storey a, b;
    a.TopLevel = 350;
    a.Length = 400;
    b.TopLevel = 650;
    b.Length = 600; // not cut: does not count
    w.Storeys = {a, b};
    HorizSection h;
    h.StoreyIndex = 0;
    w.HorizSections = {h};
    w.VertSections.resize(2);
    SheetExtents e = computeSheetExtents(w);
    EXPECT_FLOAT_EQ(e.SectionWidthMax, 400);
    EXPECT_FLOAT_EQ(e.SheetRight, (2 * 30 + 130) * 2 + (2 * 400 + 300) + 100);
    EXPECT_FLOAT_EQ(e.SheetTop, 750);
    EXPECT_FLOAT_EQ(e.SheetBottom, 50 - 80 - 100);
}

TEST(FitSheet, WideSheetKeepsXRangeAndCentresY) {
    ViewWindow v = box(1000, 500);
    SheetExtents e;
    e.SheetLeft = 0;
    e.SheetRight = 1000;
    e.SheetBottom = 0;
    e.SheetTop = 100;
    fitSheet(v, e);
    EXPECT_FLOAT_EQ(v.ViewScale, 1);
    EXPECT_FLOAT_EQ(v.ViewLeft, 0);
    EXPECT_FLOAT_EQ(v.ViewRight, 1000);
    EXPECT_FLOAT_EQ(v.ViewBottom, 50 - 250);
    EXPECT_FLOAT_EQ(v.ViewTop, 50 + 250);
}

TEST(FitSheet, TallSheetKeepsYRangeAndCentresX) {
    ViewWindow v = box(1000, 500);
    SheetExtents e;
    e.SheetLeft = 0;
    e.SheetRight = 100;
    e.SheetBottom = 0;
    e.SheetTop = 1000;
    fitSheet(v, e);
    EXPECT_FLOAT_EQ(v.ViewScale, 0.5f);
    EXPECT_FLOAT_EQ(v.ViewBottom, 0);
    EXPECT_FLOAT_EQ(v.ViewTop, 1000);
    EXPECT_FLOAT_EQ(v.ViewLeft, 50 - 1000);
    EXPECT_FLOAT_EQ(v.ViewRight, 50 + 1000);
}

TEST(ZoomSteps, ZoomOutWidensByFivePercentEachSide) {
    ViewWindow v = box(100, 100);
    v.ViewLeft = 0, v.ViewRight = 100, v.ViewBottom = 0, v.ViewTop = 200;
    zoomOutStep(v);
    EXPECT_FLOAT_EQ(v.ViewLeft, -5);
    EXPECT_FLOAT_EQ(v.ViewRight, 105);
    EXPECT_FLOAT_EQ(v.ViewBottom, -10);
    EXPECT_FLOAT_EQ(v.ViewTop, 210);
    EXPECT_FLOAT_EQ(v.PrevViewRight, 100);
    EXPECT_FLOAT_EQ(v.ViewScale, 100.0f / 220.0f);
}

TEST(ZoomSteps, ZoomInStopsAtThreeMillimetresButStillCopiesThePreviousView) {
    ViewWindow v = box(100, 100);
    v.ViewLeft = 0, v.ViewRight = 0.3f, v.ViewBottom = 0, v.ViewTop = 0.3f;
    v.PrevViewLeft = -999;
    EXPECT_FALSE(zoomInStep(v));
    EXPECT_FLOAT_EQ(v.ViewRight, 0.3f);
    EXPECT_FLOAT_EQ(v.PrevViewLeft, 0);
    swapPreviousView(v); // "Vista precedente" shows the same view
    EXPECT_FLOAT_EQ(v.ViewLeft, 0);
    EXPECT_FLOAT_EQ(v.ViewRight, 0.3f);
}

TEST(ZoomSteps, WheelZoomsInOnlyWhileWiderThanFiveCentimetres) {
    ViewWindow v = box(100, 100);
    v.ViewLeft = 0, v.ViewRight = 5, v.ViewBottom = 0, v.ViewTop = 5;
    EXPECT_FALSE(mouseWheelStep(v, true, 50, 50));
    EXPECT_FLOAT_EQ(v.ViewRight, 5);
    v.ViewRight = 5.1f;
    updateViewScale(v);
    EXPECT_TRUE(mouseWheelStep(v, true, 50, 50));
    EXPECT_LT(v.ViewRight, 5.1f);
    EXPECT_TRUE(mouseWheelStep(v, false, 50, 50));
}

TEST(ZoomSteps, WheelKeepsThePointUnderThePointerAndStepsByTenPercent) {
    // A view whose proportions differ from the box's: the surplus shows at the top.
    ViewWindow v = box(800, 600);
    v.ViewLeft = -100, v.ViewRight = 700, v.ViewBottom = 50, v.ViewTop = 250;
    updateViewScale(v);
    const float px = 613, py = 97;
    const float wx = v.worldX(px), wy = v.worldY(py);
    for (bool up : {true, true, false, true, false, false, false}) {
        float width = v.ViewRight - v.ViewLeft;
        ASSERT_TRUE(mouseWheelStep(v, up, px, py));
        EXPECT_NEAR(v.ViewRight - v.ViewLeft, width * (up ? 0.9f : 1.1f), 1e-3f);
        EXPECT_NEAR(v.worldX(px), wx, 1e-3f);
        EXPECT_NEAR(v.worldY(py), wy, 1e-3f);
        EXPECT_NEAR(v.screenX(wx), px, 1e-2f);
        EXPECT_NEAR(v.screenY(wy), py, 1e-2f);
    }
}

TEST(ZoomSteps, PreviousViewOfAWheelBurstIsTheViewBeforeTheBurst) {
    ViewWindow v = box(800, 600);
    v.ViewLeft = 0, v.ViewRight = 800, v.ViewBottom = 0, v.ViewTop = 600;
    updateViewScale(v);
    mouseWheelStep(v, true, 100, 100, true);
    mouseWheelStep(v, true, 100, 100, false);
    mouseWheelStep(v, true, 100, 100, false);
    swapPreviousView(v);
    EXPECT_FLOAT_EQ(v.ViewLeft, 0);
    EXPECT_FLOAT_EQ(v.ViewRight, 800);
    EXPECT_FLOAT_EQ(v.ViewTop, 600);
}

TEST(Pan, ArrowStepsMoveTheViewByAFractionOfItsSize) {
    ViewWindow v = box(800, 600);
    v.ViewLeft = 0, v.ViewRight = 400, v.ViewBottom = 100, v.ViewTop = 400;
    updateViewScale(v);
    panViewByFraction(v, 0.25f, -0.5f);
    EXPECT_FLOAT_EQ(v.ViewLeft, 100);
    EXPECT_FLOAT_EQ(v.ViewRight, 500);
    EXPECT_FLOAT_EQ(v.ViewBottom, -50);
    EXPECT_FLOAT_EQ(v.ViewTop, 250);
}

TEST(PreviousView, WholeSheetThenPreviousReturnsToTheViewBefore) {
    ViewWindow v = box(800, 600);
    v.ViewLeft = 10, v.ViewRight = 20, v.ViewBottom = 30, v.ViewTop = 40;
    updateViewScale(v);
    SheetExtents e;
    showWholeSheet(v, e);
    EXPECT_FLOAT_EQ(v.ViewLeft, -100);
    EXPECT_FLOAT_EQ(v.ViewRight, 400);
    const float fittedBottom = v.ViewBottom;
    swapPreviousView(v);
    EXPECT_FLOAT_EQ(v.ViewLeft, 10);
    EXPECT_FLOAT_EQ(v.ViewRight, 20);
    EXPECT_FLOAT_EQ(v.ViewBottom, 30);
    EXPECT_FLOAT_EQ(v.ViewTop, 40);
    EXPECT_FLOAT_EQ(v.ViewScale, 60); // 600 px over 10 cm
    swapPreviousView(v);
    EXPECT_FLOAT_EQ(v.ViewBottom, fittedBottom);
}

TEST(PanAndZoomWindow, DrawingFollowsThePointerAndWindowShowsTheBand) {
    ViewWindow v = box(200, 100);
    v.ViewLeft = 0, v.ViewRight = 200, v.ViewBottom = 0, v.ViewTop = 100;
    updateViewScale(v);         // 1 px per cm
    panView(v, 50, 50, 60, 40); // mouse 10 right, 10 up
    EXPECT_FLOAT_EQ(v.ViewLeft, -10);
    EXPECT_FLOAT_EQ(v.ViewBottom, -10);
    EXPECT_FLOAT_EQ(v.PrevViewLeft, 0); // untouched by panning
    zoomToPixelRect(v, 0, 0, 100, 50);
    EXPECT_FLOAT_EQ(v.ViewLeft, -10);
    EXPECT_FLOAT_EQ(v.ViewRight, 90);
    EXPECT_FLOAT_EQ(v.ViewTop, 90);
    EXPECT_FLOAT_EQ(v.ViewBottom, 40);
    EXPECT_FLOAT_EQ(v.ViewScale, 2);
    EXPECT_FLOAT_EQ(v.PrevViewLeft, -10);
}

} // namespace
} // namespace murcad
