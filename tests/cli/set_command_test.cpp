// murcad-cli set: scripted grid and section edits of several walls, all or nothing.
#include "model/wall_file.h"
#include "support/temp_dir.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using murcad::test::readText;
using murcad::test::TempDir;

namespace {

struct CliRun {
    int status = -1;
    std::string out; ///< stdout and stderr together
};

CliRun set(const TempDir &dir, const std::string &args) {
    CliRun r;
    std::string cmd = "HOME='" + dir.path() + "' XDG_CONFIG_HOME='" + dir.path() + "' " +
                      MURCAD_CLI + " set " + args + " 2>&1";
    FILE *p = ::popen(cmd.c_str(), "r");
    std::array<char, 4096> buf{};
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p))
        r.out.append(buf.data(), n);
    int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

std::string copyExample(const TempDir &dir, const char *name, const char *as) {
    std::filesystem::copy_file(std::string(MURCAD_EXAMPLES_DIR) + "/" + name, dir.file(as));
    return dir.file(as);
}

} // namespace

TEST(SetCommand, EditsSeveralWallsWithTheGridRulesAndSavesTheirCompanions) {
    TempDir dir;
    std::string w1 = copyExample(dir, "realistic_10_storeys.PAR", "W1.PAR");
    std::string w2 = copyExample(dir, "offsets.PAR", "W2.PAR");
    const std::string data = readText(w1);
    CliRun r = set(dir, "'" + w1 + "' '" + w2 + "' 'Quota iniziale=100' 'h 2=250,5' "
                        "'Offset Dx H 1=10' --add-horizontal 450 --remove-vertical A");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("W1.PAR: H 2: 300.0 -> 250.5\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("W2.PAR: Offset Dx H 1: 20.0 -> 10.0\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("W2.PAR: salvato W2.wpx\n"), std::string::npos) << r.out;
    EXPECT_EQ(readText(w1), data); // the wall data file is never written
    murcad::Wall w;
    murcad::LoadResult load = murcad::loadWall(w1, w);
    ASSERT_TRUE(load.fromCompanion);
    EXPECT_FLOAT_EQ(w.BaseLevel, 100);
    EXPECT_FLOAT_EQ(w.Storeys[1].Height, 250.5f);
    EXPECT_FLOAT_EQ(w.Storeys[0].TopLevel, 100 + w.Storeys[0].Height);
    EXPECT_EQ(w.vertSectionCount(), 0);
}

TEST(SetCommand, AnyRefusedValueWritesNothingAndNamesThePropertyAndTheLimit) {
    TempDir dir;
    std::string w1 = copyExample(dir, "realistic_10_storeys.PAR", "W1.PAR");
    std::string w2 = copyExample(dir, "offsets.PAR", "W2.PAR");
    struct Case {
        std::string args, named;
    };
    for (const Case &c :
         {Case{"'H 2=300' 'H 3=250000'", "H 3: valore \"250000\" fuori dai limiti; valori "
                                         "ammessi da 10 a 100000."},
          Case{"'Piano=3'", "proprietà \"Piano\" sconosciuta"},
          Case{"--remove-horizontal 99", "Sezione orizzontale da togliere: valore \"99\""},
          Case{"--remove-vertical Q", "non ha una sezione verticale \"Q\""}}) {
        CliRun r = set(dir, "'" + w1 + "' '" + w2 + "' " + c.args);
        EXPECT_EQ(r.status, 1) << c.args;
        EXPECT_NE(r.out.find(c.named), std::string::npos) << r.out;
        EXPECT_FALSE(std::filesystem::exists(dir.file("W1.wpx"))) << c.args;
        EXPECT_FALSE(std::filesystem::exists(dir.file("W2.wpx"))) << c.args;
    }
    EXPECT_EQ(set(dir, "'" + w1 + "'").status, 2); // no edit given
}
