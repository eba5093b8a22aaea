// Bar centrelines in space: legs towards the other layer, stirrup hooks, the tie wire.
#include "bars/bar_shapes.h"
#include "geometry/bar_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace murcad;

namespace {

Wall wallOf(float thickness, float cover) {
    Wall w;
    w.Thickness = thickness;
    w.Cover = cover;
    return w;
}

float developed(const BarLine &l) {
    float s = 0;
    for (std::size_t i = 1; i < l.size(); ++i)
        s += std::hypot(l[i].x - l[i - 1].x, l[i].y - l[i - 1].y, l[i].z - l[i - 1].z);
    return s;
}

} // namespace

TEST(BarShapes, LegsBendTowardsTheOtherLayer) {
    Wall w = wallOf(30, 3);
    VerticalBar nearBar{.x = 10, .z = 4.6f, .face = BarFace::Near, .bottom = -47, .top = 64};
    VerticalBar farBar = nearBar;
    farBar.z = 25.4f;
    farBar.face = BarFace::Far;
    // The starter's foot is the thickness less both covers, along the foundation's bottom bars.
    BarLine s = starterBarLine(w, nearBar);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_FLOAT_EQ(s[0].z, 4.6f + 24);
    EXPECT_FLOAT_EQ(s[0].y, -47);
    EXPECT_FLOAT_EQ(starterBarLine(w, farBar)[0].z, 25.4f - 24);
    EXPECT_FLOAT_EQ(developed(s), 24 + 111);

    // Horizontal bars: legs of the thickness less both covers, at most 15 cm.
    HorizontalBar h{.y = 50, .z = 3, .face = BarFace::Near, .x1 = -97, .x2 = 97};
    BarLine l = horizontalBarLine(w, h);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_FLOAT_EQ(l[0].z, 18);
    EXPECT_FLOAT_EQ(l[3].z, 18);
    EXPECT_FLOAT_EQ(developed(l), 194 + 30);
    EXPECT_FLOAT_EQ(horizontalBarLine(wallOf(16, 3), h)[0].z, 13);
    // A central layer has no legs.
    h.face = BarFace::Middle;
    EXPECT_EQ(horizontalBarLine(w, h).size(), 2u);
}

TEST(BarShapes, StirrupIsAHookedLoopThatDoesNotCloseOnItself) {
    Wall w = wallOf(30, 3);
    Stirrup s{.y = 100, .zone = BarZone::LeftEdge, .x1 = -97, .x2 = -40, .z1 = 3, .z2 = 27};
    BarLine l = stirrupLine(w, s);
    ASSERT_EQ(l.size(), 7u);
    // Both hooks 10 cm long, bent into the zone; the two ends apart.
    auto len = [](BarPoint3 a, BarPoint3 b) { return std::hypot(a.x - b.x, a.z - b.z); };
    EXPECT_NEAR(len(l[0], l[1]), 10, 1e-4);
    EXPECT_NEAR(len(l[5], l[6]), 10, 1e-4);
    EXPECT_GT(len(l[0], l[6]), 1);
    for (const BarPoint3 &p : l) {
        EXPECT_GE(p.x, -97);
        EXPECT_LE(p.x, -40);
        EXPECT_GE(p.z, 3);
        EXPECT_LE(p.z, 27);
        EXPECT_EQ(p.y, 100);
    }
    // Thin walls get shorter hooks: 14 - 6 - 1.5 = 6.5 cm.
    BarLine thin = stirrupLine(wallOf(14, 3), s);
    EXPECT_NEAR(len(thin[5], thin[6]), 6.5, 1e-4);
}

TEST(BarShapes, TieFollowsTheDrawnWireAtItsLevel) {
    Tie t{.x = 12, .y = 250, .zone = BarZone::Web, .z1 = 4.6f, .z2 = 25.4f};
    BarLine l = tieLine(t);
    ASSERT_EQ(l.size(), 12u);
    TieWire wire = tieShape({12, 4.6f}, {12, 25.4f});
    for (std::size_t i = 0; i < l.size(); ++i) {
        EXPECT_FLOAT_EQ(l[i].x, wire.points[i].x);
        EXPECT_FLOAT_EQ(l[i].z, wire.points[i].y);
        EXPECT_FLOAT_EQ(l[i].y, 250);
    }
    float wireLength = 0;
    for (std::size_t i = 1; i < wire.points.size(); ++i)
        wireLength += std::hypot(wire.points[i].x - wire.points[i - 1].x,
                                 wire.points[i].y - wire.points[i - 1].y);
    EXPECT_NEAR(developed(l), wireLength, 1e-3);
}
