// Bending records and bar centrelines: legs that add up to the bill's cut lengths, and 3-D
// bars built from those legs, bent where the bill counts their bends.
#include "bars/bar_bending.h"
#include "bars/bar_lengths.h"
#include "bars/bar_shapes.h"
#include "model/wall_file.h"
#include "support/wall_generator.h"
#include "takeoff/sample_walls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using namespace murcad;

namespace {

std::vector<Wall> exampleAndGeneratedWalls() {
    std::vector<Wall> walls;
    for (const auto &e : std::filesystem::directory_iterator(MURCAD_EXAMPLES_DIR)) {
        Wall w;
        if (e.path().extension() == ".PAR" && loadWall(e.path().string(), w).ok() &&
            w.storeyCount() > 0)
            walls.push_back(w);
    }
    for (unsigned seed = 1; seed <= 200; ++seed)
        walls.push_back(test::generatedWall(seed));
    return walls;
}

/// Each line's developed length against the bill's cut length of its family: equal but for
/// the stirrups' rise of one diameter along their closing side.
template <class Bar, class Shape>
void expectLinesAsLongAsTheBill(const BarBending &b, const std::vector<Bar> &bars, Shape shape) {
    if (b.legs.empty())
        return;
    for (const Bar &bar : bars) {
        const double len = barLineLength(shape(b, bar));
        ASSERT_NEAR(len, b.cutLength(), 0.002 * b.cutLength() + 0.01)
            << "family " << static_cast<int>(b.family) << " storey " << b.storey;
    }
}

} // namespace

TEST(BarBending, LegsAddUpToTheBillsCutLengthForEveryFamilyAndWall) {
    for (const Wall &w : exampleAndGeneratedWalls()) {
        SCOPED_TRACE(w.WallFile.empty() ? "wall " + std::to_string(w.WallNumber) : w.WallFile);
        auto expectCut = [](const BarBending &b, int bill) {
            if (bill <= 0 || b.diameter <= 0)
                return;
            ASSERT_FALSE(b.legs.empty());
            EXPECT_EQ(b.cutLength(), bill);
            EXPECT_EQ(b.angles.size(), b.legs.size());
            EXPECT_EQ(b.angles.back(), 0);
            for (int l : b.legs)
                EXPECT_GT(l, 0);
        };
        if (w.FoundationThickness > 0) {
            expectCut(barBending(w, BarFamily::EdgeStarters, 0), lFerriFondaC(w));
            expectCut(barBending(w, BarFamily::WebStarters, 0), lFerriFondaSt(w));
        }
        for (int i = 0; i < w.storeyCount(); ++i) {
            expectCut(barBending(w, BarFamily::EdgeBars, i), lFerriPianoC(w, i));
            expectCut(barBending(w, BarFamily::WebBars, i), lFerriPianoSt(w, i));
            expectCut(barBending(w, BarFamily::HorizontalBars, i), lFerriOr(w, i));
            if (w.NoEdgeZones == 0) {
                expectCut(barBending(w, BarFamily::Stirrups, i), lStaffa(w, i));
                expectCut(barBending(w, BarFamily::Ties, i), static_cast<int>(lLegatura(w)));
            }
        }
    }
}

TEST(BarBending, TopStoreyBarsBendIntoTheSlabAndStartersStandOnAFoot) {
    Wall w = test::twoStoreyWall(); // 30 thick, cover 3, storey 2 is 280 high
    BarBending top = barBending(w, BarFamily::EdgeBars, 1);
    EXPECT_EQ(top.shapeCode, "11");
    EXPECT_EQ(top.legs, (std::vector<int>{277, 24})); // H - c, then T - 2c
    EXPECT_EQ(top.angles, (std::vector<int>{90, 0}));
    EXPECT_EQ(barBending(w, BarFamily::EdgeBars, 0).shapeCode, "00");
    BarBending starter = barBending(w, BarFamily::WebStarters, 0);
    EXPECT_EQ(starter.shapeCode, "11");
    EXPECT_EQ(starter.legs.front(), 24);
    EXPECT_EQ(starter.storey, -1);
    BarBending h = barBending(w, BarFamily::HorizontalBars, 0);
    EXPECT_EQ(h.shapeCode, "21");
    EXPECT_EQ(h.legs, (std::vector<int>{15, 294, 15}));
}

TEST(BarBending, ThinWallsWithALargeCoverDropTheirHooksInsteadOfMakingThemNegative) {
    Wall w = test::twoStoreyWall();
    w.Thickness = 7; // one centimetre between the layers: the hook rule gives -0.5
    w.Cover = 3;
    EXPECT_EQ(stirrupHook(w), 0.0);
    BarBending s = barBending(w, BarFamily::Stirrups, 0);
    EXPECT_EQ(s.cutLength(), lStaffa(w, 0));
    EXPECT_EQ(s.legs.size(), 4u); // the loop without hooks
    w.Thickness = 5; // the layers cross: no leg at all
    EXPECT_EQ(horizontalBarLeg(w), 0.0);
    BarBending h = barBending(w, BarFamily::HorizontalBars, 0);
    EXPECT_EQ(h.shapeCode, "00");
    EXPECT_EQ(h.cutLength(), lFerriOr(w, 0));
}

TEST(BarShapes, EveryCentrelineIsAsLongAsItsCutLength) {
    for (const Wall &w : exampleAndGeneratedWalls()) {
        SCOPED_TRACE(w.WallFile.empty() ? "wall " + std::to_string(w.WallNumber) : w.WallFile);
        FoundationBars f = foundationBars(w);
        expectLinesAsLongAsTheBill(barBending(w, BarFamily::EdgeStarters, 0), f.edgeBars,
                                   starterBarLine);
        expectLinesAsLongAsTheBill(barBending(w, BarFamily::WebStarters, 0), f.webBars,
                                   starterBarLine);
        for (int i = 0; i < w.storeyCount(); ++i) {
            StoreyLayout s = storeyLayout(w, i);
            expectLinesAsLongAsTheBill(barBending(w, BarFamily::EdgeBars, i), s.edgeBars,
                                       storeyBarLine);
            expectLinesAsLongAsTheBill(barBending(w, BarFamily::WebBars, i), s.webBars,
                                       storeyBarLine);
            expectLinesAsLongAsTheBill(
                barBending(w, BarFamily::HorizontalBars, i), s.horizontalBars,
                [&s](const BarBending &b, const HorizontalBar &h) {
                    return horizontalBarLine(b, h, (s.bottom + s.top) / 2);
                });
            expectLinesAsLongAsTheBill(barBending(w, BarFamily::Stirrups, i), s.stirrups,
                                       stirrupLine);
            expectLinesAsLongAsTheBill(barBending(w, BarFamily::Ties, i), s.ties, tieLine);
        }
        expectLinesAsLongAsTheBill(barBending(w, BarFamily::Diagonals, 0), diagonalBars(w).bars,
                                   diagonalBarLine);
    }
}

TEST(BarShapes, LegsBendTowardsTheOtherLayer) {
    Wall w = test::twoStoreyWall();
    VerticalBar nearBar{.x = 10, .z = 4.6f, .face = BarFace::Near, .bottom = 300, .top = 577};
    VerticalBar farBar = nearBar;
    farBar.z = 25.4f;
    farBar.face = BarFace::Far;
    BarBending top = barBending(w, BarFamily::EdgeBars, 1);
    BarLine l = storeyBarLine(top, nearBar);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_FLOAT_EQ(l[1].y, 577);
    EXPECT_FLOAT_EQ(l[2].z, 4.6f + 24);
    EXPECT_FLOAT_EQ(storeyBarLine(top, farBar)[2].z, 25.4f - 24);

    // A bar with nothing above it stops a cover under the storey top; the lap the bill counts
    // is bent along the wall, towards the axis, rather than standing out of the concrete.
    BarBending lower = barBending(w, BarFamily::EdgeBars, 0); // 300 + 64
    VerticalBar stopped{.x = 140, .z = 4.6f, .face = BarFace::Near, .bottom = 0, .top = 297};
    BarLine sl = storeyBarLine(lower, stopped);
    ASSERT_EQ(sl.size(), 3u);
    EXPECT_FLOAT_EQ(sl[1].y, 297);
    EXPECT_FLOAT_EQ(sl[2].x, 140 - 67);

    BarBending starter = barBending(w, BarFamily::EdgeStarters, 0);
    BarLine s = starterBarLine(starter, nearBar);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_FLOAT_EQ(s[0].z, 4.6f + 24);
    EXPECT_FLOAT_EQ(s[0].y, 300);
    // A central layer has no room across: its foot runs along the wall towards the axis.
    VerticalBar middle = nearBar;
    middle.face = BarFace::Middle;
    middle.z = 15;
    BarLine m = starterBarLine(starter, middle);
    EXPECT_FLOAT_EQ(m[0].x, 10 - 24);
    EXPECT_FLOAT_EQ(m[0].z, 15);

    // Horizontal bars: legs across towards the other layer; up in a central layer.
    BarBending hb = barBending(w, BarFamily::HorizontalBars, 0);
    HorizontalBar h{.y = 50, .z = 3, .face = BarFace::Near, .x1 = -147, .x2 = 147};
    BarLine hl = horizontalBarLine(hb, h, 150);
    ASSERT_EQ(hl.size(), 4u);
    EXPECT_FLOAT_EQ(hl[0].z, 18);
    EXPECT_FLOAT_EQ(hl[3].x, 147);
    h.face = BarFace::Middle;
    EXPECT_FLOAT_EQ(horizontalBarLine(hb, h, 150)[0].y, 65);
    EXPECT_FLOAT_EQ(horizontalBarLine(hb, h, 20)[0].y, 35); // above the middle: down
}

TEST(BarShapes, StirrupHooksLieSideBySideAndTiesPassBesideTheirBars) {
    Wall w = test::twoStoreyWall();
    BarBending sb = barBending(w, BarFamily::Stirrups, 0);
    Stirrup s{.y = 100, .zone = BarZone::LeftEdge, .x1 = -147, .x2 = -105, .z1 = 3, .z2 = 27};
    BarLine l = stirrupLine(sb, s);
    ASSERT_EQ(l.size(), 7u);
    // The two hooks along the sides at one corner, one diameter apart in level.
    EXPECT_NEAR(std::hypot(l[0].x - l[1].x, l[0].z - l[1].z), 10, 1e-4);
    EXPECT_NEAR(std::hypot(l[6].x - l[5].x, l[6].z - l[5].z), 10, 1e-4);
    EXPECT_NEAR(l[6].y - l[0].y, 0.8f, 1e-5);
    for (const BarPoint3 &p : l) {
        EXPECT_GE(p.x, -147);
        EXPECT_LE(p.x, -105);
        EXPECT_GE(p.z, 3);
        EXPECT_LE(p.z, 27.01);
    }

    // A tie round bars of 16 at z = 4.6 and 25.4: nowhere nearer a bar axis than the two radii.
    BarBending tb = barBending(w, BarFamily::Ties, 0);
    Tie t{.x = 12, .y = 250, .zone = BarZone::Web, .z1 = 4.6f, .z2 = 25.4f, .x2 = 12};
    BarLine tl = tieLine(tb, t);
    const float radii = (1.6f + 0.6f) / 2;
    for (std::size_t k = 1; k < tl.size(); ++k)
        for (float zb : {4.6f, 25.4f}) {
            // Distance from the bar axis (x = 12, z = zb) to the segment, in the level's plane.
            const BarPoint3 a = tl[k - 1], b = tl[k];
            const float dx = b.x - a.x, dz = b.z - a.z;
            float u = ((12 - a.x) * dx + (zb - a.z) * dz) / (dx * dx + dz * dz);
            u = std::clamp(u, 0.0f, 1.0f);
            EXPECT_GE(std::hypot(a.x + u * dx - 12, a.z + u * dz - zb), radii - 1e-4);
        }
}
