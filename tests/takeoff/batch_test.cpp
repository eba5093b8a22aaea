// Tests of the batch take-off over wall files.
#include "takeoff/batch.h"

#include "takeoff/report_rtf.h"

#include <gtest/gtest.h>

using namespace murcad;

namespace {
const std::string kExamples = MURCAD_EXAMPLES_DIR;
} // namespace

TEST(TakeOffFiles, FileThatFailsToLoadIsSkipped) {
    std::vector<std::string> files = {kExamples + "/realistic_10_storeys.PAR",
                                      kExamples + "/missing_wall.PAR", kExamples + "/diagonal.PAR"};
    Wall model;
    std::vector<std::string> progress;
    TakeoffRun run = takeOffFiles(files, model, loadWall,
                                  [&](int done, int total, const std::string &path, bool ok) {
                                      EXPECT_EQ(total, 3);
                                      EXPECT_EQ(done, static_cast<int>(progress.size()) + 1);
                                      progress.push_back(path + (ok ? " ok" : " skipped"));
                                  });
    EXPECT_TRUE(run.batch);
    EXPECT_EQ(run.WallsComputed, 2);
    ASSERT_EQ(run.walls.size(), 2u);
    EXPECT_EQ(run.walls[0].WallFile, files[0]);
    EXPECT_EQ(run.walls[1].WallFile, files[2]);
    ASSERT_EQ(run.skipped.size(), 1u);
    EXPECT_EQ(run.skipped[0].file, files[1]);
    EXPECT_NE(run.skipped[0].reason.find("missing_wall.PAR"), std::string::npos);
    EXPECT_EQ(progress[1], files[1] + " skipped");
    // The model holds the last wall loaded.
    EXPECT_EQ(model.WallFile, files[2]);
    EXPECT_NEAR(run.TotalSteel, run.walls[0].WallSteel + run.walls[1].WallSteel, 0.05f);

    std::string rtf = computoRtf(run, {});
    EXPECT_NE(rtf.find("Vavire computate = 2\\par "), std::string::npos);
    EXPECT_EQ(rtf.find("missing_wall"), std::string::npos); // no line for the skipped file
}

TEST(TakeOffFiles, BandElementIsSkipped) {
    Wall model;
    TakeoffRun run = takeOffFiles({kExamples + "/band_element.PAR"}, model);
    EXPECT_EQ(run.WallsComputed, 0);
    ASSERT_EQ(run.skipped.size(), 1u);
    EXPECT_EQ(run.skipped[0].reason, "Elemento di fascia attulmente non gestito.");
}
