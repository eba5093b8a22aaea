// The sheet layout: elevation axis, section stacking, vertical section placement, titles.
#include "bars/bar_counts.h"
#include "draw/recording_surface.h"
#include "drawings/horizontal_section.h"
#include "drawings/sheet.h"
#include "drawings/vertical_section.h"
#include "wall_builder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace murcad {
namespace {

using test::horizCut;
using test::plainWall;
using test::vertCut;

TEST(SheetLayout, LayoutFactorChangesAboveTwoThousandCentimetres) {
    EXPECT_FLOAT_EQ(elevationAxisX(2000), 3120);
    EXPECT_FLOAT_EQ(elevationAxisX(2001), 4122);
    EXPECT_FLOAT_EQ(elevationAxisX(0), 120);
}

TEST(SheetLayout, RedrawPlacesTheElevationAfterTheLongestCutStorey) {
    Wall w = plainWall(2);
    w.Storeys[1].Length = 2001; // not cut: does not count
    w.HorizSections = {horizCut(w, 0, 150)};
    RecordingSurface s;
    SheetResult r = redraw(s, w);
    EXPECT_FLOAT_EQ(r.ElevationX, 300 * 1.5f + 120);
    EXPECT_FLOAT_EQ(r.SheetX, 300 / 2.0f + r.ElevationX + 160);
    w.HorizSections.push_back(horizCut(w, 1, 450));
    r = redraw(s, w);
    EXPECT_FLOAT_EQ(r.ElevationX, 4122);
}

TEST(SheetLayout, NoHorizontalSectionsPutTheAxisAt120) {
    Wall w = plainWall(1);
    RecordingSurface s;
    SheetResult r = redraw(s, w);
    EXPECT_FLOAT_EQ(r.ElevationX, 120);
    EXPECT_FLOAT_EQ(r.SheetX, 120 + 160);
}

TEST(SheetLayout, NoWallLoadedDrawsNothingAndDoesNotClear) {
    Wall w;
    RecordingSurface s(false);
    redraw(s, w);
    EXPECT_EQ(s.clearCount, 0);
    EXPECT_TRUE(s.entities.empty());
    w = plainWall(1);
    redraw(s, w);
    EXPECT_EQ(s.clearCount, 1);
}

TEST(SheetLayout, VerticalSectionsStartTwoThicknessesPlus130Apart) {
    Wall w = plainWall(2);
    w.VertSections = {vertCut(-100, 0, 600, 0, 2), vertCut(0, 0, 600, 0, 2),
                      vertCut(100, 0, 600, 0, 2)};
    RecordingSurface s;
    SheetResult r = redraw(s, w);
    const RecordedEntity *a = s.findText("Sezione A-A");
    const RecordedEntity *b = s.findText("Sezione B-B");
    const RecordedEntity *c = s.findText("Sezione C-C");
    ASSERT_TRUE(a && b && c);
    EXPECT_FLOAT_EQ(a->x1, 120 + 160);
    EXPECT_FLOAT_EQ(b->x1 - a->x1, 190);
    EXPECT_FLOAT_EQ(c->x1 - b->x1, 190);
    EXPECT_FLOAT_EQ(r.SheetX, a->x1 + 3 * 190);
    EXPECT_EQ(a->hAlign, 1);
}

TEST(HorizontalSection, TitlesAndStackingByThickness) {
    EXPECT_EQ(horizSectionTitle(0), "Sezione 1 - 1");
    EXPECT_EQ(horizSectionTitle(11), "Sezione 12 - 12");
    EXPECT_EQ(vertSectionTitle(0), "Sezione A-A");
    EXPECT_EQ(vertSectionTitle(2), "Sezione C-C");
    Wall w = plainWall(1, 40);
    w.Thickness = 25;
    EXPECT_FLOAT_EQ(horizSectionBase(w, 1) - horizSectionBase(w, 0), 168);
    EXPECT_FLOAT_EQ(horizSectionBase(w, 0), 40);
    w.Thickness = 30;
    EXPECT_FLOAT_EQ(horizSectionBase(w, 1) - horizSectionBase(w, 0), 180);
}

TEST(HorizontalSection, TitleSitsFourUnitsBelowItsLevelInDxf) {
    Wall w = plainWall(1);
    w.HorizSections = {horizCut(w, 0, 150)};
    RecordingSurface s;
    s.DxfScale = 0.04f;
    drawHorizontalSection(s, w, 0);
    const RecordedEntity *t = s.findText("Sezione 1 - 1");
    ASSERT_NE(t, nullptr);
    EXPECT_NEAR(t->y1, (50 + 30) * 0.04f - 4 * 0.04f, 1e-5);
    EXPECT_NEAR(t->height, 6 * 0.04f, 1e-6);
    EXPECT_EQ(t->layer, TESTO_POSIZIONI);
}

TEST(HorizontalSection, NoEdgeZonesShowsFourEndBarsAndEveryWebBarWithLabels) {
    Wall w = plainWall(1);
    w.NoEdgeZones = 1;
    w.HorizSections = {horizCut(w, 0, 150)};
    RecordingSurface s;
    drawHorizontalSection(s, w, 0);
    auto circles = s.ofKind(RecordedEntity::Circle);
    EXPECT_EQ(std::count_if(circles.begin(), circles.end(),
                            [](const RecordedEntity &e) { return e.layer == FERRI_EST; }),
              4 + webCount(w, 0));
    auto texts = s.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "2%%c16"), 2);
    // 174 cm of web at 20: 8 bars in each layer, 21.75 apart.
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "%%c12/21.5"), 1);
    // No edge zones: no schedule ties, only the two U bars with their descriptions.
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const std::string &t) { return t.rfind("1%%c10/20 L=", 0) == 0; }),
              2);
}

} // namespace
} // namespace murcad
