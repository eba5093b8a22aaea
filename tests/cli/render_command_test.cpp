// murcad-cli render: every example to PNG, SVG and PDF; clear errors for bad arguments.
#include "support/temp_dir.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

using murcad::test::TempDir;

namespace {

int runRender(const std::string &args, const std::string &errFile) {
    std::string cmd = "QT_QPA_PLATFORM=offscreen " + std::string(MURCAD_CLI) + " render " + args +
                      " 2>" + errFile + " >/dev/null";
    int st = std::system(cmd.c_str());
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

std::string slurp(const std::string &path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool builtWithQt(const TempDir &dir) {
    std::string err = dir.file("probe_err");
    runRender("x.PAR -o x.png", err);
    return slurp(err).find("senza Qt") == std::string::npos;
}

} // namespace

TEST(RenderCommand, DrawsEveryExampleAsAPicture) {
    TempDir dir;
    if (!builtWithQt(dir))
        GTEST_SKIP() << "murcad-cli built without Qt";
    int drawn = 0;
    for (const auto &e : std::filesystem::directory_iterator(MURCAD_EXAMPLES_DIR)) {
        if (e.path().extension() != ".PAR" || e.path().filename() == "band_element.PAR")
            continue;
        std::string out = dir.file(e.path().stem().string() + ".png");
        ASSERT_EQ(runRender("'" + e.path().string() + "' -o '" + out + "' --size 320x200",
                            dir.file("err")),
                  0)
            << e.path() << ": " << slurp(dir.file("err"));
        std::string png = slurp(out);
        ASSERT_GT(png.size(), 100u);
        EXPECT_EQ(png.substr(1, 3), "PNG");
        ++drawn;
    }
    EXPECT_GE(drawn, 5);
    std::string realistic = std::string(MURCAD_EXAMPLES_DIR) + "/realistic_10_storeys.PAR";
    EXPECT_EQ(
        runRender("'" + realistic + "' -o '" + dir.file("a.svg") + "' --light", dir.file("err")),
        0);
    EXPECT_NE(slurp(dir.file("a.svg")).find("<svg"), std::string::npos);
    EXPECT_EQ(runRender("'" + realistic + "' -o '" + dir.file("a.PDF") + "'", dir.file("err")), 0);
    EXPECT_EQ(slurp(dir.file("a.PDF")).substr(0, 5), "%PDF-");
}

TEST(RenderCommand, BadArgumentsAndFilesGiveClearErrors) {
    TempDir dir;
    std::string err = dir.file("err");
    EXPECT_EQ(runRender("", err), 2);
    EXPECT_NE(slurp(err).find("Uso: murcad-cli render PARETE.PAR"), std::string::npos);
    std::string realistic = std::string(MURCAD_EXAMPLES_DIR) + "/realistic_10_storeys.PAR";
    EXPECT_EQ(runRender("'" + realistic + "' -o x.png --size 12by4", err), 2);
    EXPECT_NE(slurp(err).find("12by4"), std::string::npos);
    if (!builtWithQt(dir))
        GTEST_SKIP() << "murcad-cli built without Qt";
    EXPECT_EQ(runRender("'" + dir.file("missing.PAR") + "' -o '" + dir.file("m.png") + "'", err),
              1);
    EXPECT_NE(slurp(err).find("missing.PAR"), std::string::npos);
    EXPECT_EQ(runRender("'" + realistic + "' -o '" + dir.file("m.gif") + "'", err), 1);
    EXPECT_NE(slurp(err).find("m.gif"), std::string::npos);
    std::string band = std::string(MURCAD_EXAMPLES_DIR) + "/band_element.PAR";
    EXPECT_EQ(runRender("'" + band + "' -o '" + dir.file("b.png") + "'", err), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("b.png")));
}
