// Saving without losing work: backups of set-aside companions, save-as, file stamps.
#include "model/companion_file.h"
#include "model/wall_file.h"
#include "model/wall_save.h"
#include "par_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace murcad;
using murcad::test::ParText;
using murcad::test::readText;
using murcad::test::TempDir;

TEST(WallSave, ASetAsideCompanionIsKeptAsANumberedCopyBeforeItIsReplaced) {
    TempDir dir;
    std::string path = dir.write("P1.PAR", ParText{}.str());
    dir.write("P1.wpx", "damaged 1");
    Wall w;
    LoadResult r = loadWall(path, w);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.companionSetAside, dir.file("P1.wpx"));
    std::string kept, why;
    ASSERT_TRUE(saveCompanion(path, w, true, &kept, &why)) << why;
    EXPECT_EQ(kept, dir.file("P1.wpx.bak"));
    EXPECT_EQ(readText(kept), "damaged 1");
    EXPECT_TRUE(loadWall(path, w).fromCompanion);
    // A second damaged companion does not overwrite the first copy.
    dir.write("P1.wpx", "damaged 2");
    ASSERT_TRUE(saveCompanion(path, w, true, &kept, &why)) << why;
    EXPECT_EQ(kept, dir.file("P1.wpx.bak1"));
    EXPECT_EQ(readText(dir.file("P1.wpx.bak")), "damaged 1");
    EXPECT_EQ(readText(kept), "damaged 2");
}

TEST(WallSave, SaveAsToANewNameCopiesTheDataFileAndNeverWritesTheOriginal) {
    TempDir dir;
    ParText p;
    std::string path = dir.write("P1.PAR", p.str());
    Wall w;
    ASSERT_TRUE(loadWall(path, w).ok());
    w.Storeys[0].OffsetLeft = 12.5f;
    const FileStamp original = fileStamp(path);
    SaveAsPlan plan = planSaveAs(w, dir.file("COPIA.PAR"));
    EXPECT_EQ(plan.target, SaveAsTarget::NewName);
    EXPECT_TRUE(plan.question.empty());
    std::string why;
    ASSERT_TRUE(saveWallAs(w, dir.file("COPIA.PAR"), plan, &why)) << why;
    EXPECT_EQ(readText(dir.file("COPIA.PAR")), p.str());
    EXPECT_EQ(fileStamp(path), original);
    EXPECT_FALSE(std::filesystem::exists(dir.file("P1.wpx")));
    Wall copy;
    LoadResult r = loadWall(dir.file("COPIA.PAR"), copy);
    ASSERT_TRUE(r.fromCompanion);
    EXPECT_FLOAT_EQ(copy.Storeys[0].OffsetLeft, 12.5f);
    // Saving as the same file is an ordinary save; a stray companion is named before it goes.
    EXPECT_EQ(planSaveAs(w, path).target, SaveAsTarget::SameWall);
    dir.write("NUOVA.wpx", "x");
    EXPECT_EQ(planSaveAs(w, dir.file("NUOVA.PAR")).question,
              "Il file NUOVA.wpx esiste già. Sostituirlo?");
}

TEST(WallSave, SaveAsOntoAnotherWallNamesItsCompanionAndBothWallNumbers) {
    TempDir dir;
    std::string path = dir.write("P1.PAR", ParText{}.str());
    std::string other = ParText{}.str();
    other.replace(other.find("0, 0, 3, "), 9, "0, 0, 12, "); // wall number 12
    dir.write("P2.PAR", other);
    Wall w;
    ASSERT_TRUE(loadWall(path, w).ok());
    SaveAsPlan plan = planSaveAs(w, dir.file("P2.PAR"));
    EXPECT_EQ(plan.target, SaveAsTarget::OtherWall);
    EXPECT_EQ(plan.companion, dir.file("P2.wpx"));
    EXPECT_EQ(plan.question, "Il file P2.wpx sarà sostituito con i dati della parete n. 3: la "
                             "parete n. 12 del file P2.PAR sarà disegnata e computata come "
                             "questa.\nContinuare?");
}

TEST(WallSave, AStampChangesWhenSomeoneElseRewritesTheFile) {
    TempDir dir;
    std::string path = dir.write("P1.PAR", ParText{}.str());
    EXPECT_FALSE(fileStamp(dir.file("P1.wpx")).exists);
    Wall w;
    ASSERT_TRUE(loadWall(path, w).ok());
    ASSERT_TRUE(writeCompanionFile(path, w));
    FileStamp seen = fileStamp(dir.file("P1.wpx"));
    EXPECT_TRUE(seen.exists);
    EXPECT_EQ(fileStamp(dir.file("P1.wpx")), seen);
    ASSERT_TRUE(writeCompanionFile(path, w)); // same bytes, same second: a new file all the same
    EXPECT_NE(fileStamp(dir.file("P1.wpx")), seen);
}
