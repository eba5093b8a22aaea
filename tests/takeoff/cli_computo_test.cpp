// Tests of murcad-cli computo on the sample walls, and of its report in a real reader
// (LibreOffice, when installed).
#include "italian_locale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string kCli = MURCAD_CLI;
const std::string kExamples = MURCAD_EXAMPLES_DIR;

std::string readFile(const fs::path &p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

/// A scratch folder per test, with its own HOME so no user settings are read.
class CliComputo : public ::testing::Test {
protected:
    void SetUp() override {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / (std::string("murcad_computo_") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    /// Runs the command line with the given arguments; returns the exit code.
    int run(const std::string &args, const std::string &env = "LC_ALL=C") {
        std::string cmd = "cd '" + dir_.string() + "' && HOME='" + dir_.string() + "' " + env +
                          " '" + kCli + "' computo " + args + " >out.txt 2>err.txt";
        int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string file(const std::string &name) { return readFile(dir_ / name); }

    fs::path dir_;
};

} // namespace

TEST_F(CliComputo, OneWallWritesRtfCsvAndJson) {
    ASSERT_EQ(run("'" + kExamples +
                  "/realistic_10_storeys.PAR' -o ComputoParete.rtf --csv "
                  "righe.csv --json"),
              0)
        << file("err.txt");
    std::string rtf = file("ComputoParete.rtf");
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(rtf.find("\\tqc\\tx1704\\tqc\\tx2840\\tqr\\tx4828\\tqr\\tx6248"), std::string::npos);
    EXPECT_NE(rtf.find("Armature verticali:\\par "), std::string::npos);
    EXPECT_EQ(rtf.find("Quantit"), std::string::npos);
    EXPECT_EQ(file("righe.csv").rfind("wall,table,label,count,diameter,length,weight,stirrup\n", 0),
              0u);
    std::string json = file("out.txt");
    EXPECT_NE(json.find("\"WallsComputed\": 1"), std::string::npos);
    EXPECT_NE(json.find("\"WallSteel\": "), std::string::npos);
}

TEST_F(CliComputo, BatchOfThreeWithOneUnreadableReportsTwoWalls) {
    EXPECT_EQ(run("'" + kExamples + "/realistic_10_storeys.PAR' missing.PAR '" + kExamples +
                  "/diagonal.PAR' -o batch.rtf --per-diameter"),
              1);
    std::string rtf = file("batch.rtf");
    EXPECT_NE(rtf.find("Quantit\xE0 totali:"), std::string::npos); // Windows-1252
    EXPECT_NE(rtf.find("Vavire computate = 2\\par "), std::string::npos);
    EXPECT_NE(rtf.find("Barre \xD8"), std::string::npos);
    EXPECT_NE(rtf.find("Armatura diagonale: 4+4 "), std::string::npos);
    EXPECT_NE(file("err.txt").find("missing.PAR"), std::string::npos);
}

TEST_F(CliComputo, ItalianLocaleWritesDecimalCommas) {
    std::string locpath;
    if (!murcad::test::provideItalianLocale(locpath))
        GTEST_SKIP() << "it_IT.UTF-8 not available and localedef could not build it";
    std::string env = "LC_ALL=it_IT.UTF-8";
    if (!locpath.empty())
        env += " LOCPATH='" + locpath + "'";
    ASSERT_EQ(run("'" + kExamples + "/realistic_10_storeys.PAR' -o it.rtf --csv it.csv", env), 0);
    std::string rtf = file("it.rtf");
    EXPECT_TRUE(std::regex_search(rtf, std::regex(R"(\\tab \d+,\d\\tab \d+,\d\d \\par )")));
    EXPECT_FALSE(std::regex_search(rtf, std::regex(R"(\\tab \d+\.\d\\tab )")));
    // Files meant for scripts keep the point.
    EXPECT_TRUE(std::regex_search(file("it.csv"), std::regex(R"(,\d+\.\d,\d+\.\d\d,[01]\n)")));
}

TEST_F(CliComputo, FailedWriteNamesThePathAndCause) {
    EXPECT_EQ(run("'" + kExamples + "/realistic_10_storeys.PAR' -o /nonexistent-dir/c.rtf"), 1);
    std::string err = file("err.txt");
    EXPECT_NE(err.find("/nonexistent-dir/c.rtf"), std::string::npos);
    EXPECT_NE(err.find("No such file"), std::string::npos);
}

TEST_F(CliComputo, UsageErrors) {
    EXPECT_EQ(run("-o x.rtf"), 2);                                     // no wall file
    EXPECT_EQ(run("'" + kExamples + "/realistic_10_storeys.PAR'"), 2); // no output
    EXPECT_EQ(run("'" + kExamples + "/realistic_10_storeys.PAR' -o x.rtf --bogus"), 2);
    EXPECT_FALSE(fs::exists(dir_ / "x.rtf"));
}

TEST_F(CliComputo, SingleBandElementIsRefused) {
    EXPECT_EQ(run("'" + kExamples + "/band_element.PAR' -o fascia.rtf"), 1);
    EXPECT_FALSE(fs::exists(dir_ / "fascia.rtf"));
    EXPECT_NE(file("err.txt").find("Elemento di fascia"), std::string::npos);
}

TEST_F(CliComputo, LibreOfficeReadsTheBatchReport) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) is not installed";
    ASSERT_EQ(run("'" + kExamples + "/realistic_10_storeys.PAR' '" + kExamples +
                  "/no_edge_zones.PAR' -o batch.rtf --per-diameter"),
              0);
    // A profile of its own, kept between runs: the first start of LibreOffice is slow.
    std::string profile = (fs::temp_directory_path() / "murcad_test_libreoffice").string();
    std::string cmd = "cd '" + dir_.string() + "' && soffice -env:UserInstallation=file://" +
                      profile + " --headless --convert-to txt:Text --outdir txt batch.rtf " +
                      ">/dev/null 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::string text = file("txt/batch.txt");
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.find("Armature verticali:"), std::string::npos);
    EXPECT_NE(text.find("Armature orizzontali:"), std::string::npos);
    EXPECT_NE(text.find("Legature:"), std::string::npos);
    EXPECT_NE(text.find("Quantità totali:"), std::string::npos); // read back as UTF-8
    EXPECT_NE(text.find("Vavire computate = 2"), std::string::npos);
    EXPECT_NE(text.find("Barre Ø"), std::string::npos);
    // A table row survives with its tabs: label, count, diameter, length, weight.
    EXPECT_TRUE(
        std::regex_search(text, std::regex("Fond\\.\\t\\d+\\t\\d+\\t\\d+\\.\\d\\t\\d+\\.\\d\\d")));
}
