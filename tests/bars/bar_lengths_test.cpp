// Tests of the cut lengths and counts of the bar groups.
#include "bars/bar_lengths.h"

#include "takeoff/sample_walls.h"

#include <gtest/gtest.h>

using namespace murcad;
using murcad::test::twoStoreyWall;

TEST(BarLengths, LengthsOfTheTwoStoreyWall) {
    Wall w = twoStoreyWall();
    EXPECT_EQ(lFerriFondaC(w), 135);  // 40 x 1.6 + 24 + 50 - 3
    EXPECT_EQ(lFerriFondaSt(w), 111); // 40 x 1.0 + 24 + 50 - 3
    EXPECT_EQ(lFerriPianoC(w, 0), 364);
    EXPECT_EQ(lFerriPianoSt(w, 0), 340);
    EXPECT_EQ(lFerriPianoC(w, 1), 301); // last storey: up to the top, 30 + 280 - 9
    EXPECT_EQ(lFerriPianoSt(w, 1), 301);
    EXPECT_EQ(lStaffa(w, 0), 152);  // 2 x 42 + 2 x 24 + 2 x 10
    EXPECT_EQ(lFerriOr(w, 0), 324); // 294 + 2 x 15
}

TEST(BarLengths, ThinWallsHaveShortHooksAndLegs) {
    Wall w = twoStoreyWall();
    w.Thickness = 16; // 10 cm between the layers: hook 8.5, leg 10
    EXPECT_EQ(lStaffa(w, 0), 2 * 42 + 2 * 10 + 17);
    EXPECT_EQ(lFerriOr(w, 0), 294 + 20);
}

TEST(BarLengths, OffsetsLengthenHorizontalBars) {
    Wall w = twoStoreyWall();
    w.Storeys[0].OffsetLeft = 20.5f;
    w.Storeys[0].OffsetRight = 10;
    EXPECT_EQ(lFerriOr(w, 0), 324 + 30); // floor(330.5 - 6) + 30
}

TEST(BarLengths, HalfCentimetresRoundToEven) {
    Wall w = twoStoreyWall();
    w.Storeys[0].Height = 300.5f; // 64 + 300.5 -> 364, not 365
    EXPECT_EQ(lFerriPianoC(w, 0), 364);
    w.Storeys[0].Height = 301.5f;
    EXPECT_EQ(lFerriPianoC(w, 0), 366);
}

TEST(WebCount, FloorsAndDoublesWithTwoLayers) {
    Wall w = twoStoreyWall();
    EXPECT_EQ(webCount(w, 0), 20); // floor(204 / 20) = 10 per layer
    w.SingleLayerVert = 1;
    EXPECT_EQ(webCount(w, 0), 10);
}

TEST(WebCount, NoWebBetweenTheEdgeZonesStillCountsOneBarPerLayer) {
    Wall w = twoStoreyWall();
    w.Storeys[0].Length = 110; // 110 - 96 = 14 cm of web: floors to 0
    EXPECT_EQ(webCount(w, 0), 2);
    w.Storeys[0].Length = 60; // shorter than its edge zones: a negative web
    EXPECT_EQ(webCount(w, 0), 2);
    w.SingleLayerVert = 1;
    EXPECT_EQ(webCount(w, 0), 1);
}

TEST(WebCount, ZeroSpacingCountsNothing) {
    Wall w = twoStoreyWall();
    w.Storeys[0].WebSpacing = 0;
    EXPECT_EQ(webCount(w, 0), 0);
}

TEST(StirrupSets, BaseZoneAtEdgeSpacingRestAtHorizontalSpacing) {
    Wall w = twoStoreyWall();
    // Edge spacing min(20, 12.8, 10) = 10: 100 / 10 + 200 / 20.
    EXPECT_EQ(stirrupSets(w, 0), 20);
    // No base zone: the whole height at the horizontal spacing.
    EXPECT_EQ(stirrupSets(w, 1), 14);
    // Base zone plus one lap reaching the top: the whole height at the edge spacing.
    w.Storeys[0].BaseZoneHeight = 240; // 64 + 240 >= 300
    EXPECT_EQ(stirrupSets(w, 0), 30);
}

TEST(StirrupSets, ZeroSpacingCountsNothing) {
    Wall w = twoStoreyWall();
    w.Storeys[0].HorizSpacing = 0;
    EXPECT_EQ(stirrupSets(w, 0), 0);
    EXPECT_EQ(horizontalBarCount(w, 0), 0);
    w.Storeys[0].HorizSpacing = 20;
    w.Storeys[0].DiamA = 0;
    EXPECT_EQ(stirrupSets(w, 0), 0);
}

TEST(HorizontalBarCount, LayersTimesSpacingsInTheHeight) {
    Wall w = twoStoreyWall();
    w.Storeys[0].Height = 310; // floor(15.5) = 15
    EXPECT_EQ(horizontalBarCount(w, 0), 30);
    w.SingleLayerHoriz = 1;
    EXPECT_EQ(horizontalBarCount(w, 0), 15);
}

TEST(TieCount, NinePerSquareMetreOfWebPlusEdgeTies) {
    Wall w = twoStoreyWall();
    EXPECT_EQ(tieCount(w, 0), 56 + 4 * 20); // floor(210 x 300 x 9 / 10000) = 56
    EXPECT_EQ(tieCount(w, 1), 52 + 4 * 14);
}

TEST(RowWeight, SteelWeightOfBars) {
    EXPECT_NEAR(rowWeight(16, 16, 135), 34.0921f, 1e-4);
    EXPECT_NEAR(rowWeight(10, 1, 100), 0.61653756f, 1e-7); // 0.617 kg/m for a 10
    EXPECT_FLOAT_EQ(rowWeight(16, 0, 135), 0);
}

TEST(DiameterClass, NearestHalfDiameterHalvesToEven) {
    EXPECT_EQ(diameterClass(10), 5);
    EXPECT_EQ(diameterClass(9), 4);  // 4.5 -> 4
    EXPECT_EQ(diameterClass(11), 6); // 5.5 -> 6
    EXPECT_EQ(diameterClass(30), 15);
    EXPECT_EQ(diameterClass(31), 16); // beyond the 16 classes of the printed table
    EXPECT_EQ(diameterClass(0), 0);
}
