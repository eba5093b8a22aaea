// Tests of the line intersection routines and of the diagonal reinforcement geometry.
#include "geometry/diagonal_geometry.h"

#include <gtest/gtest.h>

using namespace murcad;

namespace {

/// The wall of the worked example: 45 degrees, length 300, cover 3, foundation 50.
Wall diagonalWall() {
    Wall w;
    w.Cover = 3;
    w.FoundationThickness = 50;
    w.DiagonalAngle = 45;
    w.DiagonalRise = 0;
    w.DiagonalDiameter = 20;
    Storey s;
    s.Length = 300;
    s.Height = 300;
    w.Storeys.push_back(s);
    return w;
}

} // namespace

TEST(LineIntersection, CrossingSegments) {
    LineHit h = lineIntersection({0, 0}, {10, 10}, {0, 10}, {10, 0});
    EXPECT_EQ(h.status, IntersectionStatus::Crossing);
    EXPECT_NEAR(h.point.x, 5, 1e-5);
    EXPECT_NEAR(h.point.y, 5, 1e-5);
    EXPECT_EQ(h.secondPoint, (Point{-1, -1}));
}

TEST(LineIntersection, TouchingAtAnEndReportsTheEnd) {
    EXPECT_EQ(lineIntersection({0, 0}, {5, 5}, {5, 5}, {10, 0}).status, IntersectionStatus::AtP2);
    EXPECT_EQ(lineIntersection({5, 5}, {0, 0}, {5, 5}, {10, 0}).status, IntersectionStatus::AtP1);
    EXPECT_EQ(lineIntersection({0, 0}, {10, 0}, {5, 0}, {5, 8}).status, IntersectionStatus::AtP3);
    EXPECT_EQ(lineIntersection({0, 0}, {10, 0}, {5, 8}, {5, 0}).status, IntersectionStatus::AtP4);
}

TEST(LineIntersection, LinesMeetingOutsideTheSegments) {
    LineHit h = lineIntersection({0, 0}, {1, 0}, {5, 1}, {5, 2});
    EXPECT_EQ(h.status, IntersectionStatus::Apart);
    EXPECT_NEAR(h.point.x, 5, 1e-5);
    EXPECT_NEAR(h.point.y, 0, 1e-5);
}

TEST(LineIntersection, NearlyParallelLinesTakeTheClosestEnds) {
    // 1 degree apart, ends 1 cm apart: the midpoint of the closest ends.
    // The lines meet at x = 72.4, inside the first segment only.
    LineHit close = lineIntersection({0, 0}, {100, 0}, {101, 0.5f}, {201, 2.245f});
    EXPECT_EQ(close.status, IntersectionStatus::Apart);
    EXPECT_NEAR(close.point.x, 100.5f, 1e-4);
    EXPECT_NEAR(close.point.y, 0.25f, 1e-4);
    // Ends 10 cm apart: the pair itself.
    LineHit far = lineIntersection({0, 0}, {100, 0}, {110, 0.5f}, {210, 2.245f});
    EXPECT_EQ(far.point, (Point{100, 0}));
    EXPECT_EQ(far.secondPoint, (Point{110, 0.5f}));
}

TEST(LineIntersection, ParallelAndCollinearLines) {
    EXPECT_EQ(lineIntersection({0, 0}, {10, 0}, {0, 5}, {10, 5}).status,
              IntersectionStatus::Parallel);
    EXPECT_FALSE(lineIntersection({0, 0}, {10, 0}, {0, 5}, {10, 5}).hasPoint());
    EXPECT_EQ(lineIntersection({0, 0}, {10, 0}, {0, 0}, {10, 0}).status,
              IntersectionStatus::Overlapping);
    EXPECT_EQ(lineIntersection({0, 0}, {10, 0}, {5, 0}, {20, 0}).status,
              IntersectionStatus::Overlapping);
    LineHit gap = lineIntersection({0, 0}, {10, 0}, {20, 0}, {30, 0});
    EXPECT_EQ(gap.status, IntersectionStatus::CollinearApart);
    EXPECT_EQ(gap.point, (Point{0, 0}));
    // Vertical collinear segments compare along y.
    EXPECT_EQ(lineIntersection({0, 0}, {0, 10}, {0, 20}, {0, 30}).status,
              IntersectionStatus::CollinearApart);
    EXPECT_EQ(lineIntersection({0, 0}, {0, 10}, {0, 5}, {0, 30}).status,
              IntersectionStatus::Overlapping);
}

TEST(TurnDirection, SidesAndCollinearCases) {
    EXPECT_EQ(turnDirection({0, 0}, {10, 0}, {5, 5}), 1);
    EXPECT_EQ(turnDirection({0, 0}, {10, 0}, {5, -5}), -1);
    EXPECT_EQ(turnDirection({0, 0}, {10, 0}, {-5, 0}), -1); // p0 between p1 and p2
    EXPECT_EQ(turnDirection({0, 0}, {10, 0}, {15, 0}), 1);  // p2 beyond p1
    EXPECT_EQ(turnDirection({0, 0}, {10, 0}, {5, 0}), 0);
}

TEST(SegmentsCross, CrossingTouchingAndApart) {
    EXPECT_TRUE(segmentsCross({0, 0}, {10, 10}, {0, 10}, {10, 0}));
    EXPECT_TRUE(segmentsCross({0, 0}, {10, 0}, {10, 0}, {10, 5}));
    EXPECT_FALSE(segmentsCross({0, 0}, {10, 0}, {11, -5}, {11, 5}));
}

TEST(LineAngle, QuadrantsAndAxes) {
    EXPECT_FLOAT_EQ(lineAngle({0, 0}, {0, -5}), 270);
    EXPECT_FLOAT_EQ(lineAngle({0, 0}, {0, 5}), 90);
    EXPECT_FLOAT_EQ(lineAngle({0, 0}, {-1, 0}), 180);
    EXPECT_FLOAT_EQ(lineAngle({0, 0}, {1, 0}), 0);
    EXPECT_FLOAT_EQ(lineAngle({0, 0}, {1, 1}), 45);
    EXPECT_FLOAT_EQ(lineAngle({0, 0}, {-1, -1}), 225);
    EXPECT_FLOAT_EQ(lineAngle({0, 0}, {1, -1}), 315);
    EXPECT_FLOAT_EQ(lineAngle({0, 0}, {2, 1}), 26.57f);
}

TEST(DegToRad, MatchesTheConstant) {
    EXPECT_DOUBLE_EQ(degToRad(180), 3.14159265358979400);
}

TEST(DiagonalGeometry, WorkedExample) {
    DiagonalBars d = diagonalGeometry(diagonalWall(), 0, 0);
    ASSERT_TRUE(d.valid);
    EXPECT_NEAR(d.p.x, -50.96f, 0.01f);
    EXPECT_NEAR(d.p.y, -47, 1e-4);
    EXPECT_NEAR(d.b.x, 147, 1e-4);
    EXPECT_NEAR(d.b.y, 147, 1e-3);
    EXPECT_NEAR(d.p2.x, 43.04f, 0.01f);
    EXPECT_NEAR(d.p2.y, -47, 1e-4);
    EXPECT_NEAR(d.b2.x, -147, 1e-4);
    EXPECT_EQ(d.length, 272);
}

TEST(DiagonalGeometry, LengthDoesNotDependOnAxisOrBaseLevel) {
    Wall w = diagonalWall();
    DiagonalBars moved = diagonalGeometry(w, 1234.5f, -321);
    ASSERT_TRUE(moved.valid);
    EXPECT_EQ(moved.length, 272);
    EXPECT_NEAR(moved.p.x, 1234.5f - 50.96f, 0.02f);
}

TEST(DiagonalGeometry, BarsStopAtTheWallBorder) {
    // A flat diagonal over a deep foundation: the bar lines meet the level of the bottom
    // bars far beyond the wall's ends, so the bars start on the borders.
    Wall w = diagonalWall();
    w.DiagonalAngle = 20;
    w.FoundationThickness = 400;
    DiagonalBars d = diagonalGeometry(w, 0, 0);
    ASSERT_TRUE(d.valid);
    EXPECT_NEAR(d.p.x, -150, 1e-3);
    EXPECT_NEAR(d.p2.x, 150, 1e-3);
    // The offsets widen the wall and move the borders with them.
    w.Storeys[0].OffsetLeft = 20;
    EXPECT_NEAR(diagonalGeometry(w, 0, 0).p.x, -170, 1e-3);
}

TEST(DiagonalGeometry, HorizontalDiagonalHasNoBars) {
    Wall w = diagonalWall();
    for (float angle : {0.0f, 180.0f}) {
        w.DiagonalAngle = angle;
        DiagonalBars d = diagonalGeometry(w, 0, 0);
        EXPECT_FALSE(d.valid) << angle;
        EXPECT_EQ(d.length, 0);
    }
    // The bar line lies on the bottom bars themselves (foundation as thick as the cover).
    w.DiagonalAngle = 0;
    w.FoundationThickness = 3;
    EXPECT_FALSE(diagonalGeometry(w, 0, 0).valid);
}

TEST(DiagonalGeometry, WallWithoutStoreysHasNoBars) {
    Wall w = diagonalWall();
    w.Storeys.clear();
    EXPECT_FALSE(diagonalGeometry(w, 0, 0).valid);
}
