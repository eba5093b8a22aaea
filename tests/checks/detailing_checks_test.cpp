// Detailing checks on hand-computed walls: each rule on both sides of its limit.
#include "checks/check_text.h"
#include "checks/detailing_checks.h"
#include "model/wall_file.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace murcad {
namespace {

/// A wall without edge zones, 100 cm long, 20 cm thick, cover 3, one storey 300 high:
/// one bar at each end of each face plus floor(94 / s) web bars per face, all of diameter d.
Wall plainWall(int d, float webSpacing) {
    Wall w;
    w.Thickness = 20;
    w.Cover = 3;
    w.NoEdgeZones = 1;
    w.TieDiameter = 6;
    Storey s;
    s.Length = 100;
    s.Height = 300;
    s.TopLevel = 300;
    s.DiamA = d;
    s.DiamB = d;
    s.WebSpacing = webSpacing;
    s.HorizDiam = 8;
    s.HorizSpacing = 20;
    w.Storeys.push_back(s);
    w.TotalHeight = 300;
    return w;
}

/// A wall with edge zones: 200 cm long, 50 cm edge zones of 4 + 4 bars of diameter dA,
/// web 10/20, horizontal bars 8/20, ties of 6, no base zone.
Wall edgeWall(int dA, int countA) {
    Wall w = plainWall(10, 20);
    w.NoEdgeZones = 0;
    Storey &s = w.Storeys[0];
    s.Length = 200;
    s.EdgeLength = 50;
    s.DiamA = dA;
    s.CountA = countA;
    return w;
}

const CheckResult *find(const std::vector<CheckResult> &rs, const std::string &check,
                        CheckZone zone = CheckZone::Storey, int storey = 0) {
    auto it = std::find_if(rs.begin(), rs.end(), [&](const CheckResult &r) {
        return r.check == check && r.zone == zone && r.storey == storey;
    });
    return it == rs.end() ? nullptr : &*it;
}

CheckOutcome outcomeOf(const Wall &w, const std::string &check,
                       CheckZone zone = CheckZone::Storey) {
    std::vector<CheckResult> rs = checkWall(w);
    const CheckResult *r = find(rs, check, zone);
    EXPECT_NE(r, nullptr) << check;
    return r ? r->outcome : CheckOutcome::Warning;
}

TEST(DetailingChecks, VerticalRatioOnBothSidesOfTheLeastAndGreatest) {
    // 8 bars of 8 (4 end, 4 web at spacing 47) over 100 x 20: 4.0212 cm2 / 2000 = 0.2011 %.
    std::vector<CheckResult> rs = checkWall(plainWall(8, 47));
    const CheckResult *least = find(rs, "Armatura verticale minima");
    ASSERT_NE(least, nullptr);
    EXPECT_NEAR(least->value, 0.20106, 1e-4);
    EXPECT_DOUBLE_EQ(least->limit, 0.2);
    EXPECT_EQ(least->clause, "9.6.2(1)");
    EXPECT_EQ(least->outcome, CheckOutcome::Pass);
    // Spacing 48 leaves one web bar per face: 6 bars, 0.1508 %.
    EXPECT_EQ(outcomeOf(plainWall(8, 48), "Armatura verticale minima"), CheckOutcome::Fail);

    // 8 bars of 32: 64.34 cm2, 3.217 %; at spacing 31, 10 bars: 80.42 cm2, 4.021 %.
    EXPECT_EQ(outcomeOf(plainWall(32, 47), "Armatura verticale massima"), CheckOutcome::Pass);
    rs = checkWall(plainWall(32, 31));
    const CheckResult *most = find(rs, "Armatura verticale massima");
    ASSERT_NE(most, nullptr);
    EXPECT_NEAR(most->value, 4.0212, 1e-3);
    EXPECT_EQ(most->outcome, CheckOutcome::Fail);
}

TEST(DetailingChecks, SingleLayerIsAWarningNotAFailure) {
    Wall w = plainWall(12, 20);
    EXPECT_EQ(outcomeOf(w, "Armatura verticale per faccia"), CheckOutcome::Pass);
    w.SingleLayerVert = 1;
    std::vector<CheckResult> rs = checkWall(w);
    const CheckResult *face = find(rs, "Armatura verticale per faccia");
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->outcome, CheckOutcome::Warning);
    EXPECT_EQ(face->clause, "9.6.2(2)");
    CheckSummary s = summarise(rs);
    EXPECT_EQ(s.warnings, 1);
    EXPECT_EQ(s.failed, 0);
    // Nothing to tie across a single layer.
    EXPECT_EQ(find(rs, "Legature per m\xc2\xb2"), nullptr);
}

TEST(DetailingChecks, VerticalSpacingPerZone) {
    // Edge zone 50 cm, cover 3, bars of 10: 45 cm between the outer bars.
    // 2 bars: 450 mm > 400 (3 x 20 cm = 600 does not govern); 3 bars: 225 mm.
    Wall w = edgeWall(10, 2);
    std::vector<CheckResult> rs = checkWall(w);
    const CheckResult *left = find(rs, "Interasse barre verticali", CheckZone::LeftEdge);
    ASSERT_NE(left, nullptr);
    EXPECT_NEAR(left->value, 450, 1e-6);
    EXPECT_DOUBLE_EQ(left->limit, 400);
    EXPECT_EQ(left->outcome, CheckOutcome::Fail);
    EXPECT_EQ(outcomeOf(edgeWall(10, 3), "Interasse barre verticali", CheckZone::RightEdge),
              CheckOutcome::Pass);

    // A 10 cm wall: the limit becomes 3 x 100 mm.
    w = edgeWall(10, 3);
    w.Thickness = 10;
    rs = checkWall(w);
    EXPECT_DOUBLE_EQ(find(rs, "Interasse barre verticali", CheckZone::Web)->limit, 300);

    // Web bars every 20 cm pass; every 50 cm do not.
    EXPECT_EQ(outcomeOf(edgeWall(10, 3), "Interasse barre verticali", CheckZone::Web),
              CheckOutcome::Pass);
    w = edgeWall(10, 3);
    w.Storeys[0].WebSpacing = 50;
    EXPECT_EQ(outcomeOf(w, "Interasse barre verticali", CheckZone::Web), CheckOutcome::Fail);
}

TEST(DetailingChecks, HorizontalSteelAgainstSectionAndVertical) {
    // 0.1 % of a 20 cm wall: 2.00 cm2/m. Bars of 6 every 20 cm on two faces: 15 x 2 bars in
    // 300 cm, 30 x 0.2827 / 3 = 2.827 cm2/m; every 30 cm: 20 bars, 1.885 cm2/m.
    Wall w = plainWall(8, 47);
    w.Storeys[0].HorizDiam = 6;
    std::vector<CheckResult> rs = checkWall(w);
    const CheckResult *h = find(rs, "Armatura orizzontale minima");
    ASSERT_NE(h, nullptr);
    EXPECT_NEAR(h->value, 2.8274, 1e-3);
    EXPECT_NEAR(h->limit, 2.0, 1e-9);
    EXPECT_EQ(h->outcome, CheckOutcome::Pass);
    w.Storeys[0].HorizSpacing = 30;
    EXPECT_EQ(outcomeOf(w, "Armatura orizzontale minima"), CheckOutcome::Fail);

    // 8 bars of 32 on a 1 m wall: 25 % of 64.34 cm2/m = 16.08 cm2/m governs. Bars of 8 every
    // 20 cm give 5.03 cm2/m; bars of 16 give 20.11.
    w = plainWall(32, 47);
    rs = checkWall(w);
    h = find(rs, "Armatura orizzontale minima");
    EXPECT_NEAR(h->limit, 16.085, 1e-2);
    EXPECT_EQ(h->outcome, CheckOutcome::Fail);
    w.Storeys[0].HorizDiam = 16;
    EXPECT_EQ(outcomeOf(w, "Armatura orizzontale minima"), CheckOutcome::Pass);

    // The counted levels stand evenly over the storey: 300 / 37.5 = 8 levels 375 mm apart;
    // at 40 the bill counts 7 levels, which stand 428.6 mm apart.
    w = plainWall(12, 20);
    w.Storeys[0].HorizSpacing = 37.5f;
    rs = checkWall(w);
    h = find(rs, "Interasse barre orizzontali");
    EXPECT_NEAR(h->value, 375, 1e-3);
    EXPECT_EQ(h->outcome, CheckOutcome::Pass);
    w.Storeys[0].HorizSpacing = 40;
    EXPECT_EQ(outcomeOf(w, "Interasse barre orizzontali"), CheckOutcome::Fail);
}

TEST(DetailingChecks, LinksOnlyWhereAnEdgeZoneCarriesMoreThanTwoPercent) {
    // Edge zone 50 x 20 = 1000 cm2. 8 bars of 16: 1.61 %, no link check; of 20: 2.51 %.
    EXPECT_EQ(find(checkWall(edgeWall(16, 4)), "Passo staffe", CheckZone::LeftEdge), nullptr);
    Wall w = edgeWall(20, 4);
    std::vector<CheckResult> rs = checkWall(w);
    const CheckResult *diam = find(rs, "Diametro staffe", CheckZone::LeftEdge);
    const CheckResult *pitch = find(rs, "Passo staffe", CheckZone::RightEdge);
    ASSERT_NE(diam, nullptr);
    ASSERT_NE(pitch, nullptr);
    // Ties of 6 against max(6, 20 / 4); stirrups every 20 cm against min(20 x 20, 200, 400).
    EXPECT_DOUBLE_EQ(diam->value, 6);
    EXPECT_DOUBLE_EQ(diam->limit, 6);
    EXPECT_EQ(diam->outcome, CheckOutcome::Pass);
    EXPECT_DOUBLE_EQ(pitch->value, 200);
    EXPECT_DOUBLE_EQ(pitch->limit, 200);
    EXPECT_EQ(pitch->outcome, CheckOutcome::Pass);

    w.Storeys[0].HorizSpacing = 25;
    EXPECT_EQ(outcomeOf(w, "Passo staffe", CheckZone::LeftEdge), CheckOutcome::Fail);
    // Bars of 28 ask for links of 7 mm: the ties of 6 are too thin.
    EXPECT_EQ(outcomeOf(edgeWall(28, 4), "Diametro staffe", CheckZone::LeftEdge),
              CheckOutcome::Fail);
}

TEST(DetailingChecks, TiesPerSquareMetreOfATwoLayerWall) {
    // With edge zones the bill counts nine ties per m2 of web; without, none.
    std::vector<CheckResult> rs = checkWall(edgeWall(12, 4));
    const CheckResult *t = find(rs, "Legature per m\xc2\xb2");
    ASSERT_NE(t, nullptr);
    EXPECT_GE(t->value, 4.0);
    EXPECT_EQ(t->outcome, CheckOutcome::Pass);
    EXPECT_EQ(outcomeOf(plainWall(12, 20), "Legature per m\xc2\xb2"), CheckOutcome::Fail);
}

TEST(DetailingChecks, SplitStoreyGivesTheSameResultsAsTheWhole) {
    Wall whole = edgeWall(20, 4);
    whole.Storeys[0].Height = 600;
    Wall split = edgeWall(20, 4);
    split.Storeys.push_back(split.Storeys[0]);
    std::vector<CheckResult> a = checkWall(whole), b = checkWall(split);
    ASSERT_EQ(b.size(), 2 * a.size());
    for (std::size_t k = 0; k < b.size(); ++k) {
        const CheckResult &r = a[k % a.size()];
        EXPECT_EQ(b[k].storey, static_cast<int>(k / a.size()));
        EXPECT_EQ(b[k].check, r.check);
        EXPECT_EQ(b[k].outcome, r.outcome) << r.check;
        EXPECT_NEAR(b[k].value, r.value, 1e-6 * std::max(1.0, r.value)) << r.check;
    }
}

TEST(DetailingChecks, EveryExampleRunsAndTheTableNamesEveryStorey) {
    for (const char *name : {"realistic_10_storeys", "no_edge_zones", "offsets", "diagonal",
                             "tall_storey", "stress_40_storeys", "storey_count_0"}) {
        Wall w;
        ASSERT_TRUE(loadWall(std::string(MURCAD_EXAMPLES_DIR) + "/" + name + ".PAR", w).ok())
            << name;
        std::vector<CheckResult> rs = checkWall(w);
        std::string table = checksTable(name, rs);
        for (int i = 0; i < w.storeyCount(); ++i)
            EXPECT_NE(table.find(checkStoreyName(i) + " "), std::string::npos) << name;
        EXPECT_EQ(summarise(rs).checks, static_cast<int>(rs.size()));
    }
}

TEST(DetailingChecks, ANationalAnnexValueChangesTheOutcome) {
    DetailingLimits lim;
    lim.rhoVMin = 0.0015;
    std::vector<CheckResult> rs = checkWall(plainWall(8, 48), lim);
    EXPECT_EQ(find(rs, "Armatura verticale minima")->outcome, CheckOutcome::Pass);
}

} // namespace
} // namespace murcad
