// Folders: the working folder of a wall file and the host product's recent drawings folder.
#include "model/folders.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace murcad;
using murcad::test::TempDir;

TEST(Folders, ParExtensionIgnoresCase) {
    EXPECT_TRUE(hasParExtension("/Lavori/P1.PAR"));
    EXPECT_TRUE(hasParExtension("p1.par"));
    EXPECT_TRUE(hasParExtension("a.b.Par"));
    EXPECT_FALSE(hasParExtension("P1.PARX"));
    EXPECT_FALSE(hasParExtension("PAR"));
}

TEST(Folders, WorkingFolderOfAPathAcceptsBackslashes) {
    EXPECT_EQ(workingFolder("/home/u/Lavori/P1.PAR"), "/home/u/Lavori");
    EXPECT_EQ(workingFolder("D:\\Lavori\\P1.PAR"), "D:/Lavori");
}

TEST(Folders, ABareNameFallsBackToTheRecentDrawingsFolder) {
    TempDir dir;
    std::string project = dir.path() + "/Edificio";
    std::filesystem::create_directories(project + "_data/disegni");
    std::filesystem::create_directories(dir.path() + "/conf/Korvel");
    std::string conf = dir.path() + "/conf";
    dir.write("conf/Korvel/STRUMA.conf",
              "[Recent%20File%20List]\nFile1=" + project + ".STX\n");
    EXPECT_EQ(recentDrawingsFolder(conf), project + "_data/disegni");
    EXPECT_EQ(workingFolder("P1.PAR", conf), project + "_data/disegni");

    // A project whose drawings folder is missing gives the user's home.
    dir.write("conf/Korvel/STRUMA.conf", "[Recent%20File%20List]\nFile1=/x/Other.stx\n");
    EXPECT_EQ(recentDrawingsFolder(conf), std::getenv("HOME"));

    // No recent-project list at all: nothing to offer; the working folder is the current one.
    std::filesystem::remove(dir.path() + "/conf/Korvel/STRUMA.conf");
    EXPECT_EQ(recentDrawingsFolder(conf), "");
    EXPECT_EQ(workingFolder("P1.PAR", conf), std::filesystem::current_path().string());
}

TEST(Folders, FileExistsAndFindFolders) {
    TempDir dir;
    dir.write("A.PAR", "x");
    EXPECT_TRUE(fileExists(dir.file("A.PAR")));
    EXPECT_FALSE(fileExists(dir.file("a.par")));
    EXPECT_FALSE(fileExists(dir.path()));
    EXPECT_FALSE(fileExists(""));
    Folders f = findFolders();
    EXPECT_FALSE(f.HostFolder.empty());
    EXPECT_NE(f.HostFolder.back(), '/');
    EXPECT_FALSE(f.ProfileFolder.empty());
}

TEST(Folders, TemplatesAreFoundBesideTheProgramThenUnderShare) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() + "/usr/bin");
    std::filesystem::create_directories(dir.path() + "/usr/share/murcad");
    std::string bin = dir.path() + "/usr/bin";
    // No templates anywhere: the program's own folder, so errors name the expected path.
    EXPECT_EQ(templateFolder(bin), bin);
    // Installed: bin/ holds only the programs, the templates are under share/murcad.
    dir.write("usr/share/murcad/Init1.kvl", "0\n");
    EXPECT_EQ(templateFolder(bin), dir.path() + "/usr/share/murcad");
    EXPECT_EQ(templateFolder(bin + "/"), dir.path() + "/usr/share/murcad");
    // The build folder: templates beside the executable win.
    dir.write("usr/bin/Init1.kvl", "0\n");
    EXPECT_EQ(templateFolder(bin), bin);
}
