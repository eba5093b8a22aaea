// Tests of the tie wire, offsets, points along a segment and the rounding to 5 cm.
#include "geometry/bar_geometry.h"
#include "geometry/numbers.h"

#include <gtest/gtest.h>

using namespace murcad;

namespace {

float polylineLength(const TieWire &w) {
    float sum = 0;
    for (int i = 1; i < 12; ++i)
        sum += distance(w.points[i - 1].x, w.points[i - 1].y, w.points[i].x, w.points[i].y);
    return sum;
}

} // namespace

TEST(RoundToFive, RoundsRemainderBelowTenCentimetres) {
    struct Case {
        float in, out;
    } cases[] = {{122.5f, 120}, {123, 125},    {127.6f, 130}, {100, 100}, {97.5f, 95}, {122, 120},
                 {122.6f, 125}, {127.5f, 125}, {0, 0},        {4.9f, 5},  {2.5f, 0}};
    for (const Case &c : cases)
        EXPECT_FLOAT_EQ(roundToFive(c.in), c.out) << "value " << c.in;
}

TEST(RoundToFive, ThresholdsFollowTheDecimalFigures) {
    // 122.55 is 25.5 hundredths of 10 cm past 120: the half goes to the even 26, so up.
    EXPECT_FLOAT_EQ(roundToFive(122.55f), 125);
    EXPECT_FLOAT_EQ(roundToFive(122.54f), 120);
    EXPECT_FLOAT_EQ(roundToFive(127.54f), 125);
    EXPECT_FLOAT_EQ(roundToFive(127.56f), 130);
}

TEST(OffsetSegment, MovesToTheLeftOfTheDirection) {
    Segment h = offsetSegment({0, 0}, {10, 0}, 1);
    EXPECT_EQ(h.p0, (Point{0, 1}));
    EXPECT_EQ(h.p1, (Point{10, 1}));
    Segment hBack = offsetSegment({10, 0}, {0, 0}, 1);
    EXPECT_EQ(hBack.p0, (Point{10, -1}));
    Segment v = offsetSegment({0, 0}, {0, 10}, 1);
    EXPECT_EQ(v.p0, (Point{-1, 0}));
    EXPECT_EQ(v.p1, (Point{-1, 10}));
    Segment vDown = offsetSegment({0, 10}, {0, 0}, 1);
    EXPECT_EQ(vDown.p0, (Point{1, 10}));
    // Oblique segments in all four quadrants: the offset lies to the left at distance |d|.
    const Point dirs[] = {{3, 4}, {-3, 4}, {-3, -4}, {3, -4}};
    for (Point dir : dirs) {
        Segment s = offsetSegment({0, 0}, dir, 2);
        float cross = dir.x * s.p0.y - dir.y * s.p0.x; // > 0 when the point is to the left
        EXPECT_GT(cross, 0) << dir.x << "," << dir.y;
        EXPECT_NEAR(distance(0, 0, s.p0.x, s.p0.y), 2, 1e-5);
        EXPECT_NEAR(s.p1.x - s.p0.x, dir.x, 1e-5);
        EXPECT_NEAR(s.p1.y - s.p0.y, dir.y, 1e-5);
    }
}

TEST(PointAlong, WalksTowardsTheSecondPoint) {
    Point q = pointAlong({0, 0}, {6, 8}, 5);
    EXPECT_NEAR(q.x, 3, 1e-5);
    EXPECT_NEAR(q.y, 4, 1e-5);
    EXPECT_EQ(pointAlong({2, 10}, {2, 0}, 3), (Point{2, 7})); // vertical going down
    EXPECT_EQ(pointAlong({2, 0}, {2, 10}, 3), (Point{2, 3}));
}

TEST(TieShape, BendsLieOutsideBothBars) {
    const Point a{0, 0}, b{24, 0};
    TieWire w = tieShape(a, b);
    const auto &p = w.points;
    // Sides 1 cm either side of the bar line, hook tails 7 cm long.
    EXPECT_EQ(p[1], (Point{0, -1}));
    EXPECT_EQ(p[4], (Point{0, 1}));
    EXPECT_EQ(p[7], (Point{24, -1}));
    EXPECT_EQ(p[10], (Point{24, 1}));
    EXPECT_NEAR(distance(p[0].x, p[0].y, p[1].x, p[1].y), 7, 1e-4);
    EXPECT_NEAR(distance(p[10].x, p[10].y, p[11].x, p[11].y), 7, 1e-4);
    // Bend round bar a behind a, bend round bar b beyond b, mirror images of each other.
    EXPECT_EQ(p[2], (Point{-1, -0.5f}));
    EXPECT_EQ(p[3], (Point{-1, 0.5f}));
    EXPECT_EQ(p[8], (Point{25, -0.5f}));
    EXPECT_EQ(p[9], (Point{25, 0.5f}));
}

TEST(TieShape, MirroredWireForVerticalBarLine) {
    TieWire w = tieShape({0, 0}, {0, 24});
    // The bends lie below bar a and above bar b.
    EXPECT_LT(w.points[2].y, 0);
    EXPECT_LT(w.points[3].y, 0);
    EXPECT_GT(w.points[8].y, 24);
    EXPECT_GT(w.points[9].y, 24);
}

TEST(TieLength, CountsTheWallThicknessTie) {
    // Thickness 30, cover 3: bars 24 cm apart. Developed length 45.9 cm, counted 45.
    EXPECT_FLOAT_EQ(tieLength({0, 0}, {24, 0}), 45);
    EXPECT_FLOAT_EQ(tieLength({24, 0}, {0, 0}), 45);
    EXPECT_FLOAT_EQ(tieLength({0, 0}, {0, 24}), 45);
    // Thickness 40, cover 4: 32 cm apart, developed 54.0 cm, counted 55.
    EXPECT_FLOAT_EQ(tieLength({0, 0}, {32, 0}), 55);
}

TEST(TieLength, KeepsTheLengthBillsHaveAlwaysCounted) {
    // With bars 15.6 cm apart the counted construction measures 37.61 cm (-> 40) while the
    // drawn wire, whose bend lies outside bar b, measures 36.24 cm: the count stays 40.
    EXPECT_FLOAT_EQ(tieLength({0, 0}, {15.6f, 0}), 40);
    EXPECT_NEAR(polylineLength(tieShape({0, 0}, {15.6f, 0})), 36.24f, 0.01f);
}

TEST(TieSpacing, SmallestOfSpacingEightDiametersAndTen) {
    EXPECT_FLOAT_EQ(tieSpacing(20, 16), 10);
    EXPECT_FLOAT_EQ(tieSpacing(20, 10), 8);
    EXPECT_FLOAT_EQ(tieSpacing(7.5f, 16), 7.5f);
    EXPECT_FLOAT_EQ(tieSpacing(0, 16), 0);
}
