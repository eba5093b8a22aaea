// Bar rows of the sections: tie selection, spacing, single bars and degenerate spacings.
#include "draw/recording_surface.h"
#include "drawings/bar_rows.h"
#include "drawings/elevation_parts.h"
#include "wall_builder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace murcad {
namespace {

std::vector<int> tiedBars(int n, bool edgeRow) {
    std::vector<int> out;
    for (int k = 1; k <= n; ++k)
        if (alternateTie(k, n, edgeRow))
            out.push_back(k);
    return out;
}

TEST(TieSelection, EdgeRowsTieTheMiddleBarOfAnEvenRow) {
    EXPECT_EQ(tiedBars(6, true), (std::vector<int>{2, 3, 5}));
    EXPECT_EQ(tiedBars(7, true), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(tiedBars(8, true), (std::vector<int>{2, 4, 5, 7}));
    EXPECT_TRUE(tiedBars(2, true).empty());
}

TEST(TieSelection, WebRowsAndLevelsLeaveAnOddMiddleBarUntied) {
    EXPECT_EQ(tiedBars(6, false), (std::vector<int>{2, 5}));
    EXPECT_EQ(tiedBars(7, false), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(tiedBars(8, false), (std::vector<int>{2, 4, 5, 7}));
}

// Tie wires are drawn as 11 lines on FERRI; bar dots as circles.
int tieCount(const RecordingSurface &s) {
    return static_cast<int>(s.linesOnLayer(FERRI).size()) / 11;
}

TEST(BarRow, DefaultTiesAndRoundedSpacing) {
    RecordingSurface s;
    BarRowResult r = drawBarRow(s, {0, 0}, {50, 0}, 6, 16, 0, 20, false);
    EXPECT_EQ(s.ofKind(RecordedEntity::Circle).size(), 12u);
    EXPECT_EQ(tieCount(s), 3);
    EXPECT_FLOAT_EQ(r.spacing, 10);
    ASSERT_TRUE(r.hasMiddle);
    EXPECT_FLOAT_EQ(r.middle.x, 20); // bar k = 3
    RecordingSurface t;
    r = drawBarRow(t, {0, 0}, {10, 0}, 4, 16, 0, 20, false);
    EXPECT_FLOAT_EQ(r.spacing, 3.3f);
}

TEST(BarRow, TieCountEqualToBarsTiesEveryInnerBar) {
    RecordingSurface s;
    drawBarRow(s, {0, 0}, {70, 0}, 8, 16, 8, 20, false);
    EXPECT_EQ(tieCount(s), 6);
}

TEST(BarRow, SpreadTiesStopAtTieCountMinusTwo) {
    RecordingSurface s;
    drawBarRow(s, {0, 0}, {90, 0}, 10, 16, 4, 20, false); // t = 30: bars at 40 and 70
    EXPECT_EQ(tieCount(s), 2);
    RecordingSurface one;
    drawBarRow(one, {0, 0}, {90, 0}, 10, 16, 1, 20, false); // no division by zero, no tie
    EXPECT_EQ(tieCount(one), 0);
    RecordingSurface neg;
    drawBarRow(neg, {0, 0}, {90, 0}, 10, 16, -3, 20, true);
    EXPECT_EQ(tieCount(neg), 0);
}

TEST(BarRow, CountOneDrawsOneBarInTheMiddleAndZeroNothing) {
    RecordingSurface s;
    BarRowResult r = drawBarRow(s, {0, 0}, {40, 0}, 1, 16, 0, 20, false);
    auto c = s.ofKind(RecordedEntity::Circle);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_FLOAT_EQ(c[0].x1, 20);
    EXPECT_TRUE(r.hasMiddle);
    RecordingSurface z;
    drawBarRow(z, {0, 0}, {40, 0}, 0, 16, 0, 20, false);
    EXPECT_TRUE(z.entities.empty());
}

TEST(WebRow, BarsAtTheSpreadPositionsWithAlternateTies) {
    Wall w = test::plainWall(1);
    RecordingSurface s;
    // 160 between the ends, cover 3: Lw = 154, 7 whole spacings of 20.
    drawWebRow(s, w, {60, 0}, {220, 0}, 20, 12, 20, 1);
    auto c = s.ofKind(RecordedEntity::Circle);
    EXPECT_EQ(c.size(), 16u);  // 8 bars on each face
    EXPECT_EQ(tieCount(s), 4); // 2, 4, 5, 7
    RecordingSurface straight;
    drawWebRow(straight, w, {60, 0}, {220, 0}, 20, 12, 20, -1);
    EXPECT_EQ(straight.linesOnLayer(FERRI).size(), 4u);
    RecordingSurface none;
    drawWebRow(none, w, {60, 0}, {220, 0}, 20, 12, 20, 0);
    EXPECT_TRUE(none.linesOnLayer(FERRI).empty());
}

TEST(WebRow, NoEdgeZonesMeansNoTiesAndSingleLayerLeavesOutTheRow) {
    Wall w = test::plainWall(1);
    w.NoEdgeZones = 1;
    w.SingleLayerVert = 1;
    RecordingSurface s;
    drawWebRow(s, w, {60, 0}, {220, 0}, 20, 12, 20, 1);
    EXPECT_EQ(s.ofKind(RecordedEntity::Circle).size(), 8u);
    EXPECT_TRUE(s.linesOnLayer(FERRI).empty());
}

TEST(WebRow, ZeroOrBadSpacingDrawsNothing) {
    Wall w = test::plainWall(1);
    for (float sp : {0.0f, -20.0f, NAN, INFINITY}) {
        RecordingSurface s;
        drawWebRow(s, w, {60, 0}, {220, 0}, sp, 12, 20, 1);
        EXPECT_TRUE(s.entities.empty()) << sp;
    }
    RecordingSurface one;
    drawWebRow(one, w, {0, 0}, {36, 0}, 20, 12, 20, 1); // Lw = 30: one bar in the middle
    auto c = one.ofKind(RecordedEntity::Circle);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_FLOAT_EQ(c[0].x1, 18);
}

TEST(WebTieArgument, TiesWhereTheStoreyHasATieSpacing) {
    Storey st = test::plainStorey(300, 300);
    EXPECT_EQ(webTieArgument(st), 1);
    st.HorizSpacing = 0;
    EXPECT_EQ(webTieArgument(st), 0);
    st.TieSpacingSet = 12;
    EXPECT_EQ(webTieArgument(st), 1);
}

} // namespace
} // namespace murcad
