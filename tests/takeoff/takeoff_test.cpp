// Tests of the take-off of a wall: tables, rows, steel by diameter, concrete and run totals.
#include "takeoff/takeoff.h"

#include "sample_walls.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace murcad;
using murcad::test::twoStoreyWall;

namespace {

float sum(const DiameterWeights &w) {
    return std::accumulate(w.begin(), w.end(), 0.0f);
}

} // namespace

TEST(TakeOffWall, VerticalTableOfTheTwoStoreyWall) {
    WallTakeoff t = takeOffWall(twoStoreyWall());
    const TakeoffTable *v = t.table(TableKind::Vertical);
    ASSERT_NE(v, nullptr);
    ASSERT_EQ(v->rows.size(), 6u);
    const TakeoffRow &fond = v->rows[0];
    EXPECT_EQ(fond.label, "Fond.");
    EXPECT_EQ(fond.count, 16);
    EXPECT_EQ(fond.diameter, 16);
    EXPECT_FLOAT_EQ(fond.length, 135);
    EXPECT_NEAR(fond.weight, 34.0921f, 1e-4);
    EXPECT_EQ(v->rows[1].label, "Fond.");
    EXPECT_EQ(v->rows[1].count, 20);
    EXPECT_EQ(v->rows[2].label, "Piano  1");
    EXPECT_FLOAT_EQ(v->rows[2].length, 364);
    EXPECT_EQ(v->rows[5].label, "Piano  2");
    EXPECT_FLOAT_EQ(v->rows[5].length, 301);
}

TEST(TakeOffWall, StirrupRowBeforeBarRowOfEachStorey) {
    WallTakeoff t = takeOffWall(twoStoreyWall());
    const TakeoffTable *h = t.table(TableKind::Horizontal);
    ASSERT_NE(h, nullptr);
    ASSERT_EQ(h->rows.size(), 4u);
    EXPECT_TRUE(h->rows[0].stirrup);
    EXPECT_EQ(h->rows[0].count, 40);
    EXPECT_EQ(h->rows[0].weightClass, 0);
    EXPECT_FALSE(h->rows[1].stirrup);
    EXPECT_EQ(h->rows[1].count, 30);
    EXPECT_EQ(h->rows[1].weightClass, 4);
    EXPECT_EQ(h->rows[2].count, 28);
    const TakeoffTable *ties = t.table(TableKind::Ties);
    ASSERT_NE(ties, nullptr);
    ASSERT_EQ(ties->rows.size(), 2u);
    EXPECT_EQ(ties->rows[0].count, 136);
    EXPECT_FLOAT_EQ(ties->rows[0].length, 45); // one tie across 24 cm, rounded to 5
    EXPECT_EQ(ties->rows[0].diameter, 6);
}

TEST(TakeOffWall, SteelByDiameterAndTotals) {
    WallTakeoff t = takeOffWall(twoStoreyWall());
    EXPECT_NEAR(t.WallSteel, 434.059f, 0.002f);
    EXPECT_NEAR(t.WallByDiameter[0], 65.155f, 0.002f);  // stirrups and ties
    EXPECT_NEAR(t.WallByDiameter[4], 74.150f, 0.002f);  // 8 mm
    EXPECT_NEAR(t.WallByDiameter[5], 92.727f, 0.002f);  // 10 mm
    EXPECT_NEAR(t.WallByDiameter[8], 202.027f, 0.002f); // 16 mm
    EXPECT_NEAR(sum(t.WallByDiameter), t.WallSteel, 0.01f);
    EXPECT_NEAR(t.WallConcrete, 5.22f, 1e-5); // 2.70 + 2.52, no foundation
    ASSERT_TRUE(t.steelRatio().has_value());
    EXPECT_NEAR(*t.steelRatio(), 434.059f / 5.22f, 0.01f);
}

TEST(TakeOffWall, NoFoundationRowsWithoutFoundation) {
    Wall w = twoStoreyWall();
    for (float f : {0.0f, -10.0f}) {
        w.FoundationThickness = f;
        WallTakeoff t = takeOffWall(w);
        for (const TakeoffRow &r : t.table(TableKind::Vertical)->rows)
            EXPECT_NE(r.label, "Fond.");
        EXPECT_EQ(t.table(TableKind::Vertical)->rows.size(), 4u);
    }
}

TEST(TakeOffWall, WithoutEdgeZonesNoStirrupsNoTiesAndFixedEdgeBars) {
    Wall w = twoStoreyWall();
    w.NoEdgeZones = 1;
    WallTakeoff t = takeOffWall(w);
    EXPECT_EQ(t.table(TableKind::Ties), nullptr);
    EXPECT_EQ(t.tables.size(), 2u);
    for (const TakeoffRow &r : t.table(TableKind::Horizontal)->rows)
        EXPECT_FALSE(r.stirrup);
    EXPECT_EQ(t.table(TableKind::Vertical)->rows[0].count, 4);
    w.SingleLayerVert = 1;
    w.Storeys[0].DiamA = 0; // the web diameter stands in for the missing edge bars
    t = takeOffWall(w);
    EXPECT_EQ(t.table(TableKind::Vertical)->rows[2].count, 2);
    EXPECT_EQ(t.table(TableKind::Vertical)->rows[2].diameter, 10);
}

TEST(TakeOffWall, VerticalRowWithoutLengthIsLeftOut) {
    Wall w = twoStoreyWall();
    // The last storey's bars reach the top: thickness + height - 3 covers = 0.
    w.Storeys[1].Height = -21;
    WallTakeoff t = takeOffWall(w);
    const TakeoffTable *v = t.table(TableKind::Vertical);
    ASSERT_EQ(v->rows.size(), 4u);
    EXPECT_EQ(v->rows.back().label, "Piano  1");
    EXPECT_NEAR(sum(t.WallByDiameter), t.WallSteel, 0.01f);
}

TEST(TakeOffWall, NoRowHasANegativeCountOrWeight) {
    Wall w = twoStoreyWall();
    w.Storeys[1].Height = -100; // nonsense from a damaged file
    w.Storeys[1].Length = 50;
    WallTakeoff t = takeOffWall(w);
    for (const TakeoffTable &table : t.tables)
        for (const TakeoffRow &r : table.rows) {
            EXPECT_GE(r.count, 0) << r.label;
            EXPECT_GE(r.weight, 0) << r.label;
        }
}

TEST(TakeOffWall, DiagonalBarsUseTheDiagonalGeometry) {
    Wall w = twoStoreyWall();
    w.DiagonalDiameter = 20;
    w.DiagonalAngle = 45;
    w.Storeys[0].Length = 300;
    WallTakeoff t = takeOffWall(w);
    ASSERT_TRUE(t.diagonal.has_value());
    EXPECT_EQ(t.diagonal->count, 8);
    EXPECT_EQ(t.diagonal->length, 272);
    EXPECT_NEAR(t.diagonal->weight, 0.000061653756f * 400 * 8 * 272, 1e-3);
    WallTakeoff plain = takeOffWall(twoStoreyWall());
    EXPECT_NEAR(t.WallSteel - plain.WallSteel, t.diagonal->weight, 0.01f);
    EXPECT_NEAR(t.WallByDiameter[10], t.diagonal->weight, 1e-4);
}

TEST(TakeOffWall, DiagonalParallelToTheFoundationAddsNothing) {
    Wall w = twoStoreyWall();
    w.DiagonalDiameter = 20;
    w.DiagonalAngle = 0;
    WallTakeoff t = takeOffWall(w);
    EXPECT_FALSE(t.diagonal.has_value());
    EXPECT_NEAR(t.WallSteel, takeOffWall(twoStoreyWall()).WallSteel, 1e-4);
}

TEST(TakeOffWall, ThickBarsGetTheirOwnClass) {
    Wall w = twoStoreyWall();
    w.Storeys[0].DiamA = 32;
    w.Storeys[1].DiamA = 31;
    WallTakeoff t = takeOffWall(w);
    ASSERT_GE(t.WallByDiameter.size(), 17u);
    EXPECT_GT(t.WallByDiameter[16], 0);
    EXPECT_NEAR(sum(t.WallByDiameter), t.WallSteel, 0.01f);
}

TEST(TakeOffWall, NoConcreteNoRatio) {
    Wall w = twoStoreyWall();
    for (Storey &s : w.Storeys)
        s.Height = 0;
    WallTakeoff t = takeOffWall(w);
    EXPECT_FLOAT_EQ(t.WallConcrete, 0);
    EXPECT_FALSE(t.steelRatio().has_value());
}

TEST(TakeoffRun, AddsWallsToTheTotals) {
    TakeoffRun run;
    run.batch = true;
    Wall a = twoStoreyWall();
    Wall b = twoStoreyWall();
    b.Storeys[0].DiamA = 34;
    addToRun(run, takeOffWall(a));
    addToRun(run, takeOffWall(b));
    EXPECT_EQ(run.WallsComputed, 2);
    EXPECT_NEAR(run.TotalSteel, run.walls[0].WallSteel + run.walls[1].WallSteel, 0.01f);
    EXPECT_NEAR(run.TotalConcrete, 10.44f, 1e-4);
    EXPECT_NEAR(sum(run.TotalByDiameter), run.TotalSteel, 0.02f);
    EXPECT_GT(run.TotalByDiameter[17], 0);
    ASSERT_TRUE(run.steelRatio().has_value());
    TakeoffRun empty;
    EXPECT_FALSE(empty.steelRatio().has_value());
}
