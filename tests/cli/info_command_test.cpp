// murcad-cli info: JSON for every example, a clear error and no output for a broken file.
#include "support/temp_dir.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using murcad::test::TempDir;

namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

CliRun run(const std::string &args, const std::string &errFile) {
    CliRun r;
    std::string cmd = std::string(MURCAD_CLI) + " " + args + " 2>" + errFile;
    FILE *p = ::popen(cmd.c_str(), "r");
    std::array<char, 4096> buf{};
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p))
        r.out.append(buf.data(), n);
    int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

} // namespace

TEST(InfoCommand, PrintsTheModelOfEveryExampleAsJson) {
    TempDir dir;
    int seen = 0;
    for (const auto &e : std::filesystem::directory_iterator(MURCAD_EXAMPLES_DIR)) {
        if (e.path().extension() != ".PAR" || e.path().filename() == "band_element.PAR")
            continue;
        CliRun r = run("info '" + e.path().string() + "'", dir.file("err"));
        ASSERT_EQ(r.status, 0) << e.path();
        for (const char *key : {"\"ParVersion\"", "\"LoadStatus\": 0", "\"StoreyCount\"",
                                "\"Storeys\"", "\"TopLevel\"", "\"CountB\"", "\"StoreyExtra\"",
                                "\"HorizSections\"", "\"VertSections\"", "\"DiagonalDiameter\"",
                                "\"FirstStoreyLeftX\""})
            EXPECT_NE(r.out.find(key), std::string::npos) << key << " in " << e.path();
        EXPECT_EQ(r.out.find("nan"), std::string::npos);
        ++seen;
    }
    EXPECT_GE(seen, 9);
}

TEST(InfoCommand, ABrokenFileGivesAnErrorAndNothingOnStdout) {
    TempDir dir;
    std::string bad = dir.write("BAD.PAR", "PARETE  5\r\n0\r\n2, 0, 0, 1, x\r\n");
    CliRun r = run("info '" + bad + "'", dir.file("err"));
    EXPECT_NE(r.status, 0);
    EXPECT_TRUE(r.out.empty());
    std::string err = murcad::test::readText(dir.file("err"));
    EXPECT_NE(err.find("BAD.PAR, riga 3"), std::string::npos) << err;

    CliRun band = run(std::string("info '") + MURCAD_EXAMPLES_DIR + "/band_element.PAR'",
                   dir.file("err"));
    EXPECT_NE(band.status, 0);
    EXPECT_NE(murcad::test::readText(dir.file("err")).find("Elemento di fascia"),
              std::string::npos);
}
