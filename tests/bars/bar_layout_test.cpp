// The bar layout holds exactly the bars the bill of materials counts, where they belong.
#include "bars/bar_layout.h"

#include "bars/bar_counts.h"
#include "model/wall_file.h"
#include "support/wall_generator.h"
#include "takeoff/takeoff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace murcad {
namespace {

std::vector<Wall> exampleAndGeneratedWalls() {
    std::vector<Wall> walls;
    for (const auto &e : std::filesystem::directory_iterator(MURCAD_EXAMPLES_DIR)) {
        Wall w;
        if (e.path().extension() == ".PAR" && loadWall(e.path().string(), w).ok() &&
            w.storeyCount() > 0)
            walls.push_back(w);
    }
    for (unsigned seed = 1; seed <= 300; ++seed)
        walls.push_back(test::generatedWall(seed));
    return walls;
}

// Rows of one table of the take-off, in order.
std::vector<TakeoffRow> rows(const WallTakeoff &t, TableKind kind) {
    const TakeoffTable *table = t.table(kind);
    return table ? table->rows : std::vector<TakeoffRow>{};
}

TEST(BarLayout, EveryFamilyOfEveryStoreyHoldsTheBarsTheTakeoffCounts) {
    for (const Wall &w : exampleAndGeneratedWalls()) {
        SCOPED_TRACE(w.WallFile.empty() ? "wall " + std::to_string(w.WallNumber) : w.WallFile);
        const WallTakeoff t = takeOffWall(w);
        // Vertical rows, in report order: foundation edge and web, then per storey edge, web;
        // rows without length are left out of the report, so match them by label.
        std::vector<TakeoffRow> vert = rows(t, TableKind::Vertical);
        std::vector<TakeoffRow> horiz = rows(t, TableKind::Horizontal);
        std::vector<TakeoffRow> ties = rows(t, TableKind::Ties);
        std::size_t v = 0, h = 0;
        FoundationBars f = foundationBars(w);
        if (w.FoundationThickness > 0) {
            ASSERT_GE(vert.size(), 2u);
            EXPECT_EQ(vert[0].count, static_cast<int>(f.edgeBars.size()));
            EXPECT_EQ(vert[0].diameter, f.edgeDiameter);
            EXPECT_EQ(vert[1].count, static_cast<int>(f.webBars.size()));
            EXPECT_EQ(vert[1].diameter, f.webDiameter);
            v = 2;
        } else {
            EXPECT_TRUE(f.edgeBars.empty() && f.webBars.empty());
        }
        for (int i = 0; i < w.storeyCount(); ++i) {
            SCOPED_TRACE("storey " + std::to_string(i + 1));
            StoreyLayout b = storeyLayout(w, i);
            ASSERT_TRUE(b.complete);
            ASSERT_LT(v + 1, vert.size());
            EXPECT_EQ(vert[v].count, static_cast<int>(b.edgeBars.size()));
            EXPECT_EQ(vert[v].diameter, b.edgeDiameter);
            EXPECT_EQ(vert[v + 1].count, static_cast<int>(b.webBars.size()));
            EXPECT_EQ(vert[v + 1].diameter, b.webDiameter);
            v += 2;
            if (w.NoEdgeZones == 0) {
                ASSERT_LT(h, horiz.size());
                EXPECT_TRUE(horiz[h].stirrup);
                EXPECT_EQ(horiz[h].count, static_cast<int>(b.stirrups.size()));
                ++h;
                ASSERT_LT(static_cast<std::size_t>(i), ties.size());
                EXPECT_EQ(ties[i].count, static_cast<int>(b.ties.size()));
            } else {
                EXPECT_TRUE(b.stirrups.empty() && b.ties.empty());
            }
            ASSERT_LT(h, horiz.size());
            EXPECT_EQ(horiz[h].count, static_cast<int>(b.horizontalBars.size()));
            EXPECT_EQ(horiz[h].diameter, b.horizDiameter);
            ++h;
            // Every bar lies inside the storey's drawn length and thickness.
            for (const auto *family : {&b.edgeBars, &b.webBars})
                for (const VerticalBar &bar : *family) {
                    EXPECT_GE(bar.x, b.xLeft);
                    EXPECT_LE(bar.x, b.xRight);
                    EXPECT_GT(bar.z, 0);
                    EXPECT_LT(bar.z, w.Thickness);
                    EXPECT_GT(bar.top, bar.bottom);
                }
            for (const HorizontalBar &bar : b.horizontalBars) {
                EXPECT_GT(bar.y, b.bottom);
                EXPECT_LT(bar.y, b.top);
            }
        }
        EXPECT_EQ(v, vert.size());
        EXPECT_EQ(h, horiz.size());
        DiagonalLayout d = diagonalBars(w);
        EXPECT_EQ(t.diagonal ? t.diagonal->count : 0, static_cast<int>(d.bars.size()));
    }
}

TEST(BarLayout, WebBarsSpreadEvenlyOverTheSpanTheTakeoffDivides) {
    Wall w = test::generatedWall(1);
    w.NoEdgeZones = 0;
    w.SingleLayerVert = 0;
    Storey &s = w.Storeys[0];
    s.Length = 520;
    s.Shift = 0;
    s.OffsetLeft = s.OffsetRight = 0;
    s.EdgeLength = 60;
    s.WebSpacing = 20;
    w.Cover = 4;
    StoreyLayout b = storeyLayout(w, 0);
    // 392 cm of web at 20: 19 bars in each layer, 392 / 19 apart, half that from each end.
    std::vector<float> near;
    for (const VerticalBar &bar : b.webBars)
        if (bar.face == BarFace::Near)
            near.push_back(bar.x);
    ASSERT_EQ(near.size(), 19u);
    EXPECT_NEAR(b.webSpacing, 392.0f / 19, 1e-4);
    EXPECT_NEAR(near.front(), -260 + 64 + 392.0f / 38, 1e-3);
    EXPECT_NEAR(near.back(), 260 - 64 - 392.0f / 38, 1e-3);
}

TEST(BarLayout, FarFaceEdgeBarsStandOnTheirOwnBarLine) {
    Wall w = test::generatedWall(2);
    w.NoEdgeZones = 0;
    w.Thickness = 30;
    w.Cover = 4;
    w.Storeys[0].DiamA = 20;
    w.Storeys[0].DiamB = 12;
    w.Storeys[0].EdgeLength = 60;
    StoreyLayout b = storeyLayout(w, 0);
    for (const VerticalBar &bar : b.edgeBars)
        EXPECT_FLOAT_EQ(bar.z, bar.face == BarFace::Near ? 4 + 2 : 30 - 4 - 2);
}

TEST(BarLayout, EdgeTiesDoNotDependOnTheStoreysLevelFlag) {
    Wall w = test::generatedWall(3);
    w.NoEdgeZones = 0;
    w.Storeys[0].EdgeLength = 60;
    w.Storeys[0].CountA = 6;
    w.Storeys[0].StoreyExtra = 0;
    std::size_t ties = storeyLayout(w, 0).ties.size();
    w.Storeys[0].StoreyExtra = 1;
    EXPECT_EQ(storeyLayout(w, 0).ties.size(), ties);
    EXPECT_GT(ties, 0u);
}

} // namespace
} // namespace murcad
