// Loading wall data files: versions, storey table rules, bar counts and refused files.
#include "model/wall_file.h"
#include "par_text.h"
#include "support/temp_dir.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

using namespace murcad;
using murcad::test::Level;
using murcad::test::ParText;
using murcad::test::TempDir;

namespace {

Wall loadText(const TempDir &dir, const std::string &text, const char *name = "W1.PAR") {
    Wall w;
    LoadResult r = loadWall(dir.write(name, text), w);
    EXPECT_TRUE(r.ok()) << describeLoadError(r.error);
    return w;
}

} // namespace

TEST(WallFile, ReadsAVersion5Wall) {
    TempDir dir;
    ParText p;
    p.diagArea = 3.2f;
    Wall w = loadText(dir, p.str());
    EXPECT_EQ(w.ParVersion, 5);
    EXPECT_EQ(w.LoadStatus, 0);
    EXPECT_EQ(w.WallNumber, 3);
    ASSERT_EQ(w.storeyCount(), 2);
    EXPECT_FLOAT_EQ(w.BaseLevel, 0);
    EXPECT_FLOAT_EQ(w.Storeys[0].Height, 300);
    EXPECT_FLOAT_EQ(w.Storeys[1].Height, 300);
    EXPECT_FLOAT_EQ(w.Storeys[0].EdgeLength, 60); // e + cover
    EXPECT_EQ(w.Storeys[0].CountA, 4);             // 8 halved
    EXPECT_EQ(w.DiagonalDiameter, 12);
    EXPECT_EQ(w.FileLevels.size(), 4u); // records 0..FileLevelCount
    ASSERT_EQ(w.Elements.size(), 1u);
    // Singles are stored in the order 2, 1, 5, 3, 6, 4.
    EXPECT_FLOAT_EQ(w.Elements[0].Singles[1], 1.5f);
    EXPECT_FLOAT_EQ(w.Elements[0].Singles[0], 2.5f);
    EXPECT_FLOAT_EQ(w.Elements[0].Singles[4], 3.5f);
    EXPECT_EQ(w.WallFile, dir.file("W1.PAR"));
    EXPECT_EQ(w.horizSectionCount(), 2);
    EXPECT_EQ(w.vertSectionCount(), 1);
}

TEST(WallFile, HeaderVersionComesFromTheNinthCharacterOn) {
    TempDir dir;
    for (int v = 0; v <= 5; ++v) {
        ParText p;
        p.version = v;
        Wall w = loadText(dir, p.str(), ("V" + std::to_string(v) + ".PAR").c_str());
        EXPECT_EQ(w.ParVersion, v);
        EXPECT_EQ(w.storeyCount(), 2);
        if (v <= 3)
            EXPECT_FLOAT_EQ(w.Storeys[0].TieSpacingSet, 0);
        else
            EXPECT_FLOAT_EQ(w.Storeys[0].TieSpacingSet, 15);
    }
}

TEST(WallFile, OffsetsExistFromVersion2) {
    TempDir dir;
    ParText p;
    p.offsets = {{20, 10}, {0, 5}};
    Wall w = loadText(dir, p.str());
    EXPECT_FLOAT_EQ(w.Storeys[0].OffsetRight, 20);
    EXPECT_FLOAT_EQ(w.Storeys[0].OffsetLeft, 10);
    EXPECT_FLOAT_EQ(w.Storeys[1].OffsetLeft, 5);
}

TEST(WallFile, StoreyCountZeroGivesOneStoreyOrASplitOne) {
    TempDir dir;
    ParText p;
    p.storeys = {};
    p.total = 300;
    p.levels = {{0, 0}, {0, 300}};
    Wall w = loadText(dir, p.str(), "A.PAR");
    ASSERT_EQ(w.storeyCount(), 1);
    EXPECT_FLOAT_EQ(w.Storeys[0].Height, 300);
    EXPECT_FLOAT_EQ(w.FirstStoreyHeight, 300);

    p.total = 700;
    p.levels = {{0, 0}, {0, 700}};
    p.c2 = 700;
    Wall t = loadText(dir, p.str(), "B.PAR");
    ASSERT_EQ(t.storeyCount(), 2);
    EXPECT_FLOAT_EQ(t.Storeys[0].Height, 300);
    EXPECT_FLOAT_EQ(t.Storeys[1].Height, 400);
    EXPECT_FLOAT_EQ(t.StoreyLevels[0], 300);
}

TEST(WallFile, TallStoreysAreSplitEvery300) {
    TempDir dir;
    ParText p;
    p.storeys = {300, 1100};
    p.total = 1100;
    p.levels = {{0, 0}, {0, 300}, {0, 1100}};
    Wall w = loadText(dir, p.str());
    ASSERT_EQ(w.storeyCount(), 4); // 300, then 800 split into 300 + 300 + 200
    EXPECT_FLOAT_EQ(w.Storeys[1].TopLevel, 600);
    EXPECT_FLOAT_EQ(w.Storeys[2].TopLevel, 900);
    EXPECT_FLOAT_EQ(w.Storeys[3].TopLevel, 1100);
    // A storey with no analysis level of its own takes the values of the level above it.
    for (const Storey &s : w.Storeys) {
        EXPECT_FLOAT_EQ(s.Length, 400);
        EXPECT_EQ(s.DiamB, 10);
    }
}

TEST(WallFile, BaseZoneBoundaryMovesANearbyTopOrInsertsAStorey) {
    TempDir dir;
    ParText p;
    p.c2 = 320; // within 30 of the first top: the top moves to 320
    Wall w = loadText(dir, p.str(), "A.PAR");
    ASSERT_EQ(w.storeyCount(), 2);
    EXPECT_FLOAT_EQ(w.Storeys[0].TopLevel, 320);
    EXPECT_FLOAT_EQ(w.StoreyLevels[0], 300);

    p.c2 = 200; // below the first top and far from it: a storey is inserted at 200
    Wall v = loadText(dir, p.str(), "B.PAR");
    ASSERT_EQ(v.storeyCount(), 3);
    EXPECT_FLOAT_EQ(v.Storeys[0].TopLevel, 200);
    EXPECT_FLOAT_EQ(v.Storeys[1].TopLevel, 300);
}

TEST(WallFile, ZeroBaseZoneMakesNoPhantomStorey) {
    TempDir dir;
    ParText p;
    p.c2 = 0;
    Wall w = loadText(dir, p.str());
    ASSERT_EQ(w.storeyCount(), 2);
    for (const Storey &s : w.Storeys)
        EXPECT_GT(s.Height, 0);
}

TEST(WallFile, BaseZoneCapsAndWallsWithoutEdgeZones) {
    TempDir dir;
    ParText p;
    p.c1 = 500;
    p.c2 = 900;
    p.total = 300;
    p.storeys = {300};
    p.levels = {{0, 0}, {0, 300}};
    Wall w = loadText(dir, p.str(), "A.PAR");
    EXPECT_FLOAT_EQ(w.ParLineC1, 300);
    EXPECT_FLOAT_EQ(w.ParLineC2, 300);
    EXPECT_FLOAT_EQ(w.FirstStoreyHeight, 300); // a single storey's own height

    ParText q;
    q.switches = "1, 0, 1, 1";
    q.c2 = 200; // no boundary for walls without edge zones
    Wall n = loadText(dir, q.str(), "B.PAR");
    EXPECT_EQ(n.NoEdgeZones, 1);
    EXPECT_EQ(n.SingleLayerVert, 1);
    EXPECT_EQ(n.storeyCount(), 2);
}

TEST(WallFile, CountsOfEdgeZoneBars) {
    TempDir dir;
    ParText p;
    p.cover = 3;
    p.levels = {{0, 0}, {0, 300}, {0, 600}};
    for (Level &l : p.levels)
        l.e = 57; // edge length 60
    p.levels[2].countA = 2;
    Wall w = loadText(dir, p.str());
    // w = 60 - 6 - 1.6 = 52.4, q = 2.62, n = 52 \ 20 = 2, |q - n| > 0.2: CountB = 4.
    EXPECT_EQ(w.Storeys[0].CountB, 4);
    EXPECT_EQ(w.Storeys[0].CountA, 4);
    EXPECT_EQ(w.Storeys[1].CountA, 2); // 2 halved is 1, raised to 2
}

TEST(WallFile, ZeroWebSpacingGivesTwoBarsAndFiniteValues) {
    TempDir dir;
    ParText p;
    for (Level &l : p.levels)
        l.web = 0;
    p.diagAngle = 45;
    p.cover = 200; // Length/2 equals the cover
    Wall w = loadText(dir, p.str());
    EXPECT_EQ(w.Storeys[0].CountB, 2);
    EXPECT_TRUE(std::isfinite(w.DiagonalAngle));
}

TEST(WallFile, DiagonalAngleIsRecomputedFromTheFirstStorey) {
    TempDir dir;
    ParText p;
    p.diagAngle = 45;
    Wall w = loadText(dir, p.str(), "A.PAR");
    EXPECT_NEAR(w.DiagonalAngle, std::atan(300.0 / 196.0) * 57.2957795, 1e-3);
    p.diagAngle = 0.1f; // kept as read
    Wall k = loadText(dir, p.str(), "B.PAR");
    EXPECT_FLOAT_EQ(k.DiagonalAngle, 0.1f);
}

TEST(WallFile, ShortRunsWithoutEdgeBarsTakeTheNeighboursBars) {
    TempDir dir;
    ParText p;
    p.levels = {{0, 0}, {0, 100}, {0, 300}, {0, 600}};
    p.levels[0].countA = 0;
    p.levels[1].countA = 0;
    p.levels[0].diamA = p.levels[1].diamA = 0;
    p.levels[2].countA = 10;
    p.levels[2].diamA = 20;
    Wall w = loadText(dir, p.str());
    EXPECT_EQ(w.FileLevels[0].CountA, 10);
    EXPECT_EQ(w.FileLevels[1].DiamA, 20);
}

TEST(WallFile, BandElementSetsOnlyTheStatus) {
    TempDir dir;
    Wall w = loadText(dir, ParText{}.str(), "GOOD.PAR");
    Wall before = w;
    ParText band;
    band.switches = "1, 1, 0, 0";
    LoadResult r = loadWall(dir.write("BAND.PAR", band.str()), w);
    EXPECT_EQ(r.outcome, LoadOutcome::BandElement);
    EXPECT_EQ(w.LoadStatus, -2);
    w.LoadStatus = before.LoadStatus;
    EXPECT_EQ(w, before);
}

TEST(WallFile, RefusedFilesLeaveTheWallAsItWasAndNameTheLine) {
    TempDir dir;
    Wall w = loadText(dir, ParText{}.str(), "GOOD.PAR");
    const Wall before = w;
    struct Case {
        std::string text;
        int line;
    };
    ParText tooNew;
    tooNew.version = 6;
    ParText negative;
    negative.storeyCountOverride = -2;
    ParText huge;
    huge.storeyCountOverride = 30000;
    std::string notNumber = ParText{}.str();
    notNumber.replace(notNumber.find("600, 0, 30"), 3, "6x0");
    const Case cases[] = {{tooNew.str(), 1},   {negative.str(), 3}, {huge.str(), 3},
                          {notNumber, 4},       {"", 1},            {"\x01\xff garbage", 1}};
    for (const Case &c : cases) {
        LoadResult r = loadWall(dir.write("BAD.PAR", c.text), w);
        EXPECT_EQ(r.outcome, LoadOutcome::Failed);
        EXPECT_EQ(r.error.line, c.line) << describeLoadError(r.error);
        EXPECT_NE(describeLoadError(r.error).find("BAD.PAR"), std::string::npos);
        EXPECT_EQ(w, before);
    }
    LoadResult r = loadWall(dir.write("NEW.PAR", tooNew.str()), w);
    EXPECT_NE(r.error.message.find("Versione del file non compatibile."), std::string::npos);
}

TEST(WallFile, EveryTruncationIsRefusedWithoutCrashing) {
    TempDir dir;
    std::string text = ParText{}.str();
    Wall w = loadText(dir, text, "GOOD.PAR");
    const Wall before = w;
    // Cut the file after every value: each cut must be refused cleanly, never half-loaded.
    int refused = 0;
    for (std::size_t cut = 0; cut < text.size(); ++cut) {
        if (cut > 0 && text[cut - 1] != ',' && text[cut - 1] != '\n')
            continue;
        LoadResult r = loadWall(dir.write("CUT.PAR", text.substr(0, cut)), w);
        if (cut + 2 < text.size()) {
            ASSERT_EQ(r.outcome, LoadOutcome::Failed) << "cut at " << cut;
            EXPECT_GT(r.error.line, 0);
            EXPECT_EQ(w, before);
            ++refused;
        }
    }
    EXPECT_GT(refused, 40);
}

TEST(WallFile, AMissingFileIsReported) {
    Wall w;
    LoadResult r = loadWall("/nonexistent/folder/X.PAR", w);
    EXPECT_EQ(r.outcome, LoadOutcome::Failed);
    EXPECT_NE(describeLoadError(r.error).find("/nonexistent/folder/X.PAR"), std::string::npos);
}

TEST(WallFile, EveryExampleLoads) {
    int loaded = 0;
    for (const auto &e : std::filesystem::directory_iterator(MURCAD_EXAMPLES_DIR)) {
        if (e.path().extension() != ".PAR")
            continue;
        Wall w;
        LoadResult r = loadWall(e.path().string(), w);
        if (e.path().filename() == "band_element.PAR") {
            EXPECT_EQ(r.outcome, LoadOutcome::BandElement);
            continue;
        }
        ASSERT_TRUE(r.ok()) << describeLoadError(r.error);
        EXPECT_GE(w.storeyCount(), 1);
        for (const Storey &s : w.Storeys) {
            EXPECT_GT(s.Height, 0) << e.path();
            EXPECT_GT(s.Length, 0) << e.path();
        }
        ++loaded;
    }
    EXPECT_GE(loaded, 9);
}

TEST(WallFile, EveryExampleTruncatedAtEveryValueIsRefused) {
    TempDir dir;
    for (const auto &e : std::filesystem::directory_iterator(MURCAD_EXAMPLES_DIR)) {
        if (e.path().extension() != ".PAR" || e.path().filename() == "band_element.PAR")
            continue;
        std::string text = murcad::test::readText(e.path().string());
        Wall w;
        ASSERT_TRUE(loadWall(e.path().string(), w).ok());
        const Wall before = w;
        // The last value ends the file: every cut before it must be refused.
        std::size_t lastValue = text.find_last_of(",\n", text.size() - 3);
        for (std::size_t cut = 0; cut <= lastValue; ++cut) {
            if (cut > 0 && text[cut - 1] != ',' && text[cut - 1] != '\n')
                continue;
            LoadResult r = loadWall(dir.write("CUT.PAR", text.substr(0, cut)), w);
            ASSERT_EQ(r.outcome, LoadOutcome::Failed) << e.path() << " cut at " << cut;
            ASSERT_EQ(w, before);
        }
    }
}

TEST(WallFile, GarbageBytesNeverCrashAndNeverHalfLoad) {
    TempDir dir;
    std::string text = murcad::test::readText(std::string(MURCAD_EXAMPLES_DIR) +
                                              "/realistic_10_storeys.PAR");
    Wall w;
    ASSERT_TRUE(loadWall(std::string(MURCAD_EXAMPLES_DIR) + "/realistic_10_storeys.PAR", w).ok());
    unsigned seed = 12345;
    auto next = [&seed]() { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
    const char junk[] = {'-', '9', '0', '.', ',', '\n', ' ', 'e', 'x', '\0', '\xff', '7'};
    int failed = 0, loaded = 0;
    for (int round = 0; round < 400; ++round) {
        std::string t = text;
        for (int k = 0; k < 1 + round % 4; ++k)
            t[next() % t.size()] = junk[next() % sizeof junk];
        Wall copy = w;
        LoadResult r = loadWall(dir.write("JUNK.PAR", t), copy);
        if (r.ok()) {
            ++loaded;
            for (const Storey &s : copy.Storeys)
                ASSERT_TRUE(std::isfinite(s.Height) && std::isfinite(s.Length));
        } else if (r.outcome == LoadOutcome::Failed) {
            ++failed;
            ASSERT_EQ(copy, w);
        } else {
            ASSERT_EQ(copy.LoadStatus, -2); // the switches now say band element
        }
    }
    EXPECT_GT(failed, 0);
    EXPECT_GT(loaded, 0);
}
