// Walls outside the drawable bounds are refused with the line and value; the wall stays.
#include "model/companion_file.h"
#include "model/wall_file.h"
#include "model/wall_validation.h"
#include "par_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace murcad;
using murcad::test::Level;
using murcad::test::ParText;
using murcad::test::TempDir;

TEST(WallBounds, ValuesOutsideTheLimitsAreRefusedNamingLineAndValue) {
    TempDir dir;
    Wall w;
    ASSERT_TRUE(loadWall(dir.write("GOOD.PAR", ParText{}.str()), w).ok());
    const Wall before = w;
    struct Case {
        ParText p;
        int line;
        const char *value;
    };
    std::vector<Case> cases;
    {
        ParText p;
        p.thickness = -30; // line B
        cases.push_back({p, 4, "-30.00"});
    }
    {
        ParText p;
        p.storeys = {300, 200000}; // a level beyond 1 km
        cases.push_back({p, 9, "200000.00"});
    }
    {
        ParText p;
        p.levels[1].web = -20; // a negative spacing
        cases.push_back({p, 11, "-20.00"});
    }
    {
        ParText p;
        p.levels[2].diamA = 250; // a bar of 25 cm
        cases.push_back({p, 12, "250"});
    }
    {
        ParText p;
        p.offsets = {{-5, 0}}; // negative border offset
        cases.push_back({p, 8, "-5.00"});
    }
    for (const Case &c : cases) {
        LoadResult r = loadWall(dir.write("BAD.PAR", c.p.str()), w);
        ASSERT_EQ(r.outcome, LoadOutcome::Failed);
        EXPECT_EQ(r.error.line, c.line) << describeLoadError(r.error);
        EXPECT_EQ(r.error.found, c.value);
        EXPECT_NE(describeLoadError(r.error).find("fuori dai limiti"), std::string::npos)
            << describeLoadError(r.error);
        EXPECT_EQ(w, before);
    }
}

TEST(WallBounds, AnExponentBeyondSingleRangeIsNotANumber) {
    TempDir dir;
    std::string t = ParText{}.str();
    t.replace(t.find("600, 0, 30"), 3, "1e39");
    Wall w;
    LoadResult r = loadWall(dir.write("BIG.PAR", t), w);
    EXPECT_EQ(r.outcome, LoadOutcome::Failed);
    EXPECT_EQ(r.error.line, 4);
}

TEST(WallBounds, SpacingsTooFineForTheStoreyAreRefused) {
    TempDir dir;
    ParText p;
    p.storeys = {300, 600};
    p.levels = {{0, 0}, {0, 300}, {0, 600}};
    for (Level &l : p.levels) {
        l.length = 90000;
        l.web = 0.5f; // 180 000 web bars in one storey
    }
    Wall w;
    LoadResult r = loadWall(dir.write("FINE.PAR", p.str()), w);
    EXPECT_EQ(r.outcome, LoadOutcome::Failed);
    EXPECT_NE(r.error.message.find("ferri d'anima"), std::string::npos) << r.error.message;
    EXPECT_NE(r.error.message.find("FINE.PAR"), std::string::npos);
    EXPECT_TRUE(w.Storeys.empty());

    // A spacing below half a centimetre rounds down to 0: no bars of that family, no refusal.
    for (Level &l : p.levels) {
        l.length = 400;
        l.web = 0.4f;
    }
    EXPECT_TRUE(loadWall(dir.write("ZERO.PAR", p.str()), w).ok());
    EXPECT_FLOAT_EQ(w.Storeys[0].WebSpacing, 0);
}

TEST(WallBounds, CompanionSectionsOfMissingStoreysAreDroppedTheRestKept) {
    TempDir dir;
    std::string path = dir.write("P1.PAR", ParText{}.str());
    Wall w;
    ASSERT_TRUE(loadWall(path, w).ok());
    Wall bad = w;
    bad.Storeys[1].OffsetLeft = 15; // an edit that must survive
    bad.HorizSections[0].StoreyIndex = 7;
    bad.VertSections[0].TopStorey = 9;
    ASSERT_TRUE(writeCompanionFile(path, bad));
    LoadResult r = loadWall(path, w);
    ASSERT_TRUE(r.ok()) << describeLoadError(r.error);
    EXPECT_TRUE(r.fromCompanion);
    EXPECT_FLOAT_EQ(w.Storeys[1].OffsetLeft, 15);
    EXPECT_EQ(w.horizSectionCount(), bad.horizSectionCount() - 1);
    EXPECT_EQ(w.vertSectionCount(), 0);
    EXPECT_NE(r.companionProblem.find("P1.wpx: 2 sezioni riferite a piani inesistenti sono "
                                      "state eliminate."),
              std::string::npos)
        << r.companionProblem;
}

TEST(WallBounds, EveryExampleIsWithinBounds) {
    for (const char *name : {"realistic_10_storeys.PAR", "stress_40_storeys.PAR", "offsets.PAR"}) {
        Wall w;
        ASSERT_TRUE(loadWall(std::string(MURCAD_EXAMPLES_DIR) + "/" + name, w).ok());
        std::string problem;
        EXPECT_TRUE(checkWallBounds(w, problem)) << problem;
        w.Storeys[0].Length = std::numeric_limits<float>::quiet_NaN();
        EXPECT_FALSE(checkWallBounds(w, problem));
        EXPECT_NE(problem.find("Piano 1"), std::string::npos);
    }
}
