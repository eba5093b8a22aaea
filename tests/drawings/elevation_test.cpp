// The elevation: edge-zone bar sets, marks, foundation, diagonals and section marks.
#include "draw/recording_surface.h"
#include "drawings/elevation.h"
#include "drawings/marks.h"
#include "wall_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace murcad {
namespace {

using test::plainWall;

// Vertical FERRI lines from y1 to y2 (world) in the edge zones of a 300 cm wall on x = 0.
int verticalBars(const RecordingSurface &s, float y1, float y2) {
    int n = 0;
    for (const RecordedEntity &e : s.linesOnLayer(FERRI))
        if (std::abs(e.worldX1 - e.worldX2) < 1e-4f && std::abs(e.worldX1) > 90.5f &&
            std::abs(e.worldY1 - y1) < 1e-3f && std::abs(e.worldY2 - y2) < 1e-3f)
            ++n;
    return n;
}

TEST(LevelMark, TextsCarryASignAndOneDecimal) {
    EXPECT_EQ(levelText(0), "+0.0");
    EXPECT_EQ(levelText(300), "+300.0");
    EXPECT_EQ(levelText(-20), "-20.0");
    RecordingSurface s;
    s.DxfScale = 0.04f;
    levelMark(s, 100, 50, 50, 1);
    const RecordedEntity *t = s.findText("+50.0");
    ASSERT_NE(t, nullptr);
    EXPECT_NEAR(t->x1, 75 * 0.04f, 1e-5); // the leader's left end
    EXPECT_NEAR(t->y1, 61 * 0.04f + 0.04f + 0.2f, 1e-5);
    EXPECT_EQ(s.linesOnLayer(QUOTE).size(), 5u);
}

TEST(Elevation, TitleAndLevelMarksOnANegativeBaseLevel) {
    Wall w = plainWall(2, -20);
    RecordingSurface s;
    drawElevation(s, w, 500);
    EXPECT_NE(s.findText("Parete n. 7"), nullptr);
    EXPECT_NE(s.findText("-20.0"), nullptr);
    EXPECT_NE(s.findText("+280.0"), nullptr);
    EXPECT_NE(s.findText("+580.0"), nullptr);
}

TEST(Elevation, EqualStoreysDrawNoStepLines) {
    Wall w = plainWall(3);
    RecordingSurface s;
    drawElevation(s, w, 0);
    for (const RecordedEntity &e : s.linesOnLayer(BORDO)) {
        bool horizontal = std::abs(e.worldY1 - e.worldY2) < 1e-4f;
        if (horizontal && e.worldY1 > 0)
            EXPECT_FLOAT_EQ(std::abs(e.worldX2 - e.worldX1), 300) << e.worldY1;
    }
    // The storey lines between storeys are dashed, the top line is not.
    auto bordo = s.linesOnLayer(BORDO);
    EXPECT_EQ(std::count_if(bordo.begin(), bordo.end(),
                            [](const RecordedEntity &e) { return e.lineStyle == Dashed; }),
              2);
}

TEST(Elevation, NoFoundationDrawsTheBaselineAndItsDimensionBelowIt) {
    Wall w = plainWall(1, 100);
    w.FoundationThickness = 0;
    RecordingSurface s;
    drawElevation(s, w, 0);
    auto t = s.findText("Parete n. 7");
    ASSERT_NE(t, nullptr);
    EXPECT_FLOAT_EQ(t->y1, 60);
    auto dimFigure = s.findText("300"); // both the length and the storey height are 300
    ASSERT_NE(dimFigure, nullptr);
    bool baseline = false;
    for (const RecordedEntity &e : s.linesOnLayer(BORDO))
        baseline |= e.worldY1 == 100 && e.worldY2 == 100 && e.worldX1 == -150;
    EXPECT_TRUE(baseline);
}

TEST(Elevation, BaseZoneShorterThanStoreyDrawsTheCountedSetWithDenserStirrupsBelow) {
    Wall w = plainWall(2);
    Storey &st = w.Storeys[0];
    st.BaseZoneHeight = 100;
    st.CountA = 6;
    st.CountB = 4;
    RecordingSurface s;
    drawElevation(s, w, 0);
    // The bill counts set A over the whole storey with its lap: 6 bars in each zone.
    EXPECT_EQ(verticalBars(s, 0, 364), 12);
    EXPECT_EQ(verticalBars(s, 100, 300), 0);
    // Stirrups of the left zone: 10 sets at 10 cm in the base zone, 10 at 20 above it.
    int below = 0, above = 0;
    // (the closing lines of the foundation bars lie at and below the base level)
    for (const RecordedEntity &e : s.linesOnLayer(FERRI))
        if (e.worldY1 == e.worldY2 && e.worldX1 == -147 && e.worldX2 == -90 && e.worldY1 > 0 &&
            e.worldY1 < 300)
            ++(e.worldY1 < 100 ? below : above);
    EXPECT_EQ(below, 10);
    EXPECT_EQ(above, 10);
}

TEST(Elevation, BaseZoneWithLapReachingTheTopUsesSetAWithLaps) {
    Wall w = plainWall(2);
    Storey &st = w.Storeys[0];
    st.Height = 150;
    st.TopLevel = 150;
    w.Storeys[1].Height = 450;
    st.BaseZoneHeight = 100;
    RecordingSurface s;
    drawElevation(s, w, 0);
    EXPECT_EQ(verticalBars(s, 0, 150 + 64), 12); // set A over the storey with its laps
    EXPECT_EQ(verticalBars(s, 100, 150), 0);     // no set B
}

TEST(Elevation, DiagonalBarsAndTheirText) {
    Wall w = plainWall(1);
    w.DiagonalDiameter = 16;
    w.DiagonalAngle = 45;
    w.DiagonalRise = 0;
    RecordingSurface s;
    drawElevation(s, w, 0);
    EXPECT_NE(s.findText("Armatura diagonale: 4+4 %%c 16  L= 272"), nullptr);
    RecordingSurface screen(false);
    drawElevation(screen, w, 0);
    EXPECT_NE(screen.findText("Armatura diagonale: 4+4 \xC3\x98 16  L= 272"), nullptr);
}

TEST(Elevation, DiagonalParallelToTheBottomBarsDrawsNothing) {
    Wall w = plainWall(1);
    w.DiagonalDiameter = 16;
    w.DiagonalAngle = 0; // kept from the file: the bar lines never meet the bottom bars
    RecordingSurface s;
    drawElevation(s, w, 0);
    for (const std::string &t : s.texts())
        EXPECT_EQ(t.find("Armatura diagonale"), std::string::npos);
    w.DiagonalDiameter = 0;
    w.DiagonalAngle = 45;
    RecordingSurface none;
    drawElevation(none, w, 0);
    for (const std::string &t : none.texts())
        EXPECT_EQ(t.find("Armatura diagonale"), std::string::npos);
}

TEST(Elevation, VerticalSectionMarkStartsAtTheCutsOwnLevel) {
    Wall w = plainWall(2, 100);
    w.VertSections = {test::vertCut(0, 250, 700, 0, 2), test::vertCut(50, 0, 700, 0, 2)};
    RecordingSurface s;
    drawElevation(s, w, 1000);
    auto sez = s.linesOnLayer(SEZIONI);
    ASSERT_EQ(sez.size(), 16u);
    // First mark: its bottom stub starts 5 + 7 below the cut's level, not the base level.
    EXPECT_FLOAT_EQ(sez[0].worldY1, 250 - 12);
    EXPECT_FLOAT_EQ(sez[0].worldX1, 1000);
    // A cut from 0 starts at the bottom of the foundation.
    EXPECT_FLOAT_EQ(sez[8].worldY1, 100 - 50 - 12);
    EXPECT_NE(s.findText("A"), nullptr);
    EXPECT_NE(s.findText("B"), nullptr);
}

TEST(SectionNames, LettersThenPairs) {
    EXPECT_EQ(vertSectionName(0), "A");
    EXPECT_EQ(vertSectionName(25), "Z");
    EXPECT_EQ(vertSectionName(26), "AA");
    EXPECT_EQ(vertSectionName(50), "AY");
}

} // namespace
} // namespace murcad

namespace murcad {
namespace {

TEST(Elevation, LevelMarkOfAStoreyWithARightOffsetStandsFifteenRightOfItsFace) {
    Wall w = test::plainWall(2);
    w.Storeys[1].OffsetRight = 20; // face at 150 + 20
    RecordingSurface s;
    drawElevation(s, w, 0);
    // The mark's upright stroke (x, y)-(x, y + 11) at the bottom of storey 2.
    bool found = false;
    for (const RecordedEntity &e : s.linesOnLayer(QUOTE))
        if (e.worldY1 == 300 && e.worldY2 == 311 && e.worldX1 == e.worldX2)
            found |= std::abs(e.worldX1 - (170 + 15)) < 1e-3f;
    EXPECT_TRUE(found);
}

} // namespace
} // namespace murcad
