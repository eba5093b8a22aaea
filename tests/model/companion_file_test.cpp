// The companion file: its format, the round trip, the stale test and older versions.
#include "model/companion_file.h"
#include "model/file_time.h"
#include "model/wall_file.h"
#include "par_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/time.h>

using namespace murcad;
using murcad::test::ParText;
using murcad::test::readText;
using murcad::test::TempDir;

namespace {

Wall loaded(const std::string &path) {
    Wall w;
    LoadResult r = loadWall(path, w);
    EXPECT_TRUE(r.ok()) << describeLoadError(r.error);
    return w;
}

// Sets a file's modification time to a given local time.
void touch(const std::string &path, DateTime t) {
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    timeval tv[2] = {{std::mktime(&tm), 0}, {std::mktime(&tm), 0}};
    ::utimes(path.c_str(), tv);
}

} // namespace

TEST(CompanionFile, FormatsValuesInPrintZonesWithAPoint) {
    Wall w;
    w.Storeys.resize(1);
    w.Storeys[0].TopLevel = 1234.5f;
    w.Storeys[0].CountA = -3;
    w.StoreyLevels = {1234.5f};
    std::string t = companionText(w, "08/12/2026 10:00:00");
    // No sections: line 1 holds three integers, then the date, then the lap factor.
    EXPECT_EQ(t.substr(0, t.find("\r\n")),
              " 11 " + std::string(10, ' ') + " 0 " + std::string(11, ' ') + " 0 ");
    EXPECT_NE(t.find("\r\n08/12/2026 10:00:00\r\n40.0\r\n 0 \r\n 1 \r\n1234.5000\r\n"),
              std::string::npos);
    EXPECT_NE(t.find("\r\n-3 \r\n"), std::string::npos);
}

TEST(CompanionFile, SaveThenLoadReturnsTheSameModel) {
    TempDir dir;
    ParText p;
    p.offsets = {{20, 10}, {0, 5}};
    p.diagArea = 3.14f;
    p.diagAngle = 30;
    std::string path = dir.write("P1.PAR", p.str());
    Wall w = loaded(path);
    w.TieDiameter = 8;
    w.LapFactor = 50;
    w.Storeys[1].OffsetLeft = 12.5f;
    insertHorizontalSection(w, 450.25f);
    std::string why;
    ASSERT_TRUE(writeCompanionFile(path, w, &why)) << why;

    Wall again;
    LoadResult r = loadWall(path, again);
    ASSERT_TRUE(r.ok()) << describeLoadError(r.error);
    EXPECT_TRUE(r.fromCompanion);
    EXPECT_EQ(again.Storeys, w.Storeys);
    EXPECT_EQ(again.StoreyLevels, w.StoreyLevels);
    EXPECT_EQ(again.HorizSections, w.HorizSections);
    EXPECT_EQ(again.VertSections, w.VertSections);
    EXPECT_EQ(again.TieDiameter, 8);
    EXPECT_FLOAT_EQ(again.LapFactor, 50);
    EXPECT_EQ(again.DiagonalDiameter, w.DiagonalDiameter);
    EXPECT_NEAR(again.FirstStoreyHeight, w.FirstStoreyHeight, 0.005);
    EXPECT_NEAR(again.DiagonalAngle, w.DiagonalAngle, 0.0001);
    EXPECT_FLOAT_EQ(again.BaseLevel, w.BaseLevel);
    EXPECT_FLOAT_EQ(again.Cover, w.Cover);
    EXPECT_EQ(again.WallNumber, w.WallNumber);
    EXPECT_FLOAT_EQ(again.FirstStoreyLeftX, w.FirstStoreyLeftX);
}

TEST(CompanionFile, StaleAfterOneMinuteButNotAfterOneHour) {
    EXPECT_FALSE(companionIsStale({2026, 3, 29, 10, 15, 0}, {2026, 3, 29, 11, 15, 59}));
    EXPECT_FALSE(companionIsStale({2026, 3, 29, 10, 15, 0}, {2026, 3, 29, 9, 15, 0}));
    EXPECT_TRUE(companionIsStale({2026, 3, 29, 10, 15, 0}, {2026, 3, 29, 10, 16, 0}));
    EXPECT_TRUE(companionIsStale({2026, 3, 29, 10, 15, 0}, {2026, 3, 29, 12, 15, 0}));
    EXPECT_TRUE(companionIsStale({2026, 3, 29, 10, 15, 0}, {2026, 3, 28, 10, 15, 0}));
    EXPECT_EQ(parseDateTime("08/12/2026 14:05:09"), (DateTime{2026, 12, 8, 14, 5, 9}));
    EXPECT_EQ(parseDateTime("2026-12-08 14:05"), (DateTime{2026, 12, 8, 14, 5, 0}));
    EXPECT_EQ(parseDateTime(""), DateTime{});
}

TEST(CompanionFile, ATouchedDataFileIsReadAgainWithDefaultSections) {
    TempDir dir;
    std::string path = dir.write("P1.PAR", ParText{}.str());
    touch(path, {2026, 5, 4, 10, 20, 0});
    Wall w = loaded(path);
    insertHorizontalSection(w, 420);
    w.Storeys[0].Height = 999; // only the companion knows this
    ASSERT_TRUE(writeCompanionFile(path, w));

    touch(path, {2026, 5, 4, 11, 20, 30}); // one hour later: still current
    Wall same;
    ASSERT_TRUE(loadWall(path, same).fromCompanion);
    EXPECT_FLOAT_EQ(same.Storeys[0].Height, 999);

    touch(path, {2026, 5, 4, 10, 21, 0}); // one minute later: stale
    Wall fresh;
    LoadResult r = loadWall(path, fresh);
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.fromCompanion);
    EXPECT_FLOAT_EQ(fresh.Storeys[0].Height, 300);
    EXPECT_EQ(fresh.horizSectionCount(), 2); // defaults, not the stored three
}

TEST(CompanionFile, OldVersionsKeepTheirSectionsOverTheDataFile) {
    TempDir dir;
    std::string path = dir.write("P1.PAR", ParText{}.str());
    // Version 4: records taken as stored; lap factor and extra option follow.
    dir.write("P1.wpx", " 4  1  1 \r\n 0  0 \r\n-200.00 100.00 200.00 100.00\r\n"
                        " 0  2 \r\n 10.00 0.00 10.00 600.00\r\n 45.0\r\n 3 \r\n");
    Wall w = loaded(path);
    ASSERT_EQ(w.horizSectionCount(), 1);
    EXPECT_FLOAT_EQ(w.HorizSections[0].Y1, 100);
    ASSERT_EQ(w.vertSectionCount(), 1);
    EXPECT_FLOAT_EQ(w.VertSections[0].X1, 10);
    EXPECT_FLOAT_EQ(w.LapFactor, 45);
    EXPECT_EQ(w.ExtraOption, 3);

    // Version 3: cuts are inserted again so their ends fit the storeys.
    dir.write("P1.wpx", " 3  1  0 \r\n 5  1 \r\n-9.00 450.00 9.00 450.00\r\n 42.0\r\n 1 \r\n");
    Wall v = loaded(path);
    ASSERT_EQ(v.horizSectionCount(), 1);
    EXPECT_EQ(v.HorizSections[0].StoreyIndex, 1);
    EXPECT_FLOAT_EQ(v.HorizSections[0].X1, -200);
    EXPECT_EQ(v.vertSectionCount(), 0);
    EXPECT_FLOAT_EQ(v.LapFactor, 42);
}

TEST(CompanionFile, ANewerCurrentCompanionStillRefusesTheLoad) {
    TempDir dir;
    std::string path = dir.write("P1.PAR", ParText{}.str());
    Wall w = loaded(path);
    ASSERT_TRUE(writeCompanionFile(path, w));
    const std::string current = readText(dir.file("P1.wpx"));
    const Wall before = w;
    // Its edits were made by a newer program: dropping them would lose work.
    dir.write("P1.wpx", " 12  0  0 " + current.substr(current.find("\r\n")));
    LoadResult r = loadWall(path, w);
    EXPECT_EQ(r.outcome, LoadOutcome::Failed);
    EXPECT_EQ(r.error.line, 1);
    EXPECT_NE(r.error.message.find("Versione del file non compatibile."), std::string::npos);
    EXPECT_EQ(w, before);
    // A stale companion of any version is not read: the data file loads with default cuts.
    dir.write("P1.wpx", " 12  0  0 \r\n01/01/2001 00:00:00\r\n");
    Wall fresh;
    r = loadWall(path, fresh);
    ASSERT_TRUE(r.ok()) << describeLoadError(r.error);
    EXPECT_FALSE(r.fromCompanion);
    EXPECT_TRUE(r.companionProblem.empty());
    EXPECT_EQ(fresh.horizSectionCount(), 2);
}

TEST(CompanionFile, ACompanionThatCannotBeUsedNeverBlocksTheWall) {
    TempDir dir;
    std::string path = dir.write("P1.PAR", ParText{}.str());
    Wall w = loaded(path);
    insertHorizontalSection(w, 450);
    ASSERT_TRUE(writeCompanionFile(path, w));
    const std::string good = readText(dir.file("P1.wpx"));
    const std::string rest = good.substr(good.find("\r\n"));
    std::string tall = good;
    tall.replace(tall.find("300.0000"), 8, "250000.0000"); // a storey top out of bounds
    struct Case {
        std::string text, reason;
    };
    for (const Case &c : {Case{"", "atteso la versione del file"},
                          Case{"garbage\r\n", "\"garbage\""},
                          Case{good.substr(0, good.size() / 2), "il file finisce prima"},
                          Case{" 11  202  0 " + rest, "da 0 a 201 sezioni orizzontali"},
                          Case{" 11  -1  0 " + rest, "\"-1\""},
                          Case{tall, "fuori dai limiti"},
                          Case{" 4  0  52 \r\n", "da 0 a 51 sezioni verticali"}}) {
        dir.write("P1.wpx", c.text);
        Wall fresh;
        LoadResult r = loadWall(path, fresh);
        ASSERT_TRUE(r.ok()) << describeLoadError(r.error);
        EXPECT_FALSE(r.fromCompanion);
        EXPECT_EQ(fresh.horizSectionCount(), 2); // the default cuts
        EXPECT_EQ(r.companionSetAside, dir.file("P1.wpx"));
        EXPECT_EQ(r.companionProblem.find("Il file " + dir.file("P1.wpx") + " non è stato usato"),
                  0u)
            << r.companionProblem;
        EXPECT_NE(r.companionProblem.find(c.reason), std::string::npos) << r.companionProblem;
        EXPECT_EQ(readText(dir.file("P1.wpx")), c.text); // left as it is
    }
}

TEST(CompanionFile, SectionsOfStoreysTheWallNoLongerHasAreDropped) {
    TempDir dir;
    std::string path = dir.write("P1.PAR", ParText{}.str());
    // Version 4 records as stored: the second names storey 7 of a two-storey wall.
    dir.write("P1.wpx", " 4  2  0 \r\n 0  0 \r\n-200.00 100.00 200.00 100.00\r\n"
                        " 7  0 \r\n-200.00 2100.00 200.00 2100.00\r\n 45.0\r\n 3 \r\n");
    Wall w;
    LoadResult r = loadWall(path, w);
    ASSERT_TRUE(r.ok()) << describeLoadError(r.error);
    ASSERT_EQ(w.horizSectionCount(), 1);
    EXPECT_FLOAT_EQ(w.HorizSections[0].Y1, 100);
    EXPECT_FLOAT_EQ(w.LapFactor, 45);
    EXPECT_NE(r.companionProblem.find("una sezione riferita a un piano inesistente"),
              std::string::npos);
    EXPECT_EQ(r.companionSetAside, dir.file("P1.wpx"));
}

TEST(CompanionFile, SavingNeedsTheDataFileAndAWritableFolder) {
    TempDir dir;
    Wall w;
    std::string why;
    EXPECT_FALSE(writeCompanionFile(dir.file("MISSING.PAR"), w, &why));
    EXPECT_NE(why.find("MISSING.PAR"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("MISSING.wpx")));
    EXPECT_EQ(companionPath("/a/b/P1.PAR"), "/a/b/P1.wpx");
    EXPECT_EQ(companionPath("/a/b/p1.two.par"), "/a/b/p1.two.wpx");
    EXPECT_EQ(companionPath("ab"), "");
}
