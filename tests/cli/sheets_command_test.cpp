// murcad-cli tavole: a batch read back with poppler: page sizes, title blocks and true scale.
#include "support/temp_dir.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <string>
#include <vector>

using murcad::test::readText;
using murcad::test::TempDir;

namespace {

const std::string kExamples = MURCAD_EXAMPLES_DIR;

// Runs a shell command with a private home and configuration folder; returns the exit code.
int run(const TempDir &home, const std::string &command, const std::string &errFile) {
    std::string cmd = "HOME='" + home.path() + "' XDG_CONFIG_HOME='" + home.file("config") +
                      "' QT_QPA_PLATFORM=offscreen " + command + " 2>'" + errFile + "'";
    int st = std::system(cmd.c_str());
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

int tavole(const TempDir &home, const std::string &args) {
    return run(home, std::string(MURCAD_CLI) + " tavole " + args + " >/dev/null", home.file("err"));
}

bool haveTools(const TempDir &home) {
    if (std::system("command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null") != 0)
        return false;
    tavole(home, "-o x.pdf x.PAR");
    return readText(home.file("err")).find("senza Qt") == std::string::npos;
}

std::string capture(const TempDir &home, const std::string &command) {
    std::string out = home.file("out.txt");
    run(home, command + " >'" + out + "'", home.file("tool_err"));
    return readText(out);
}

// The level marks of one page ("+320.0" and so on) by column: x -> (level cm, top y in pt).
std::map<long, std::vector<std::pair<double, double>>>
levelMarks(const TempDir &home, const std::string &pdf, int page) {
    std::string xml = capture(home, "pdftotext -bbox -f " + std::to_string(page) + " -l " +
                                        std::to_string(page) + " '" + pdf + "' -");
    std::regex word("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([+-][0-9]+\\.[0-9])</word>");
    std::map<long, std::vector<std::pair<double, double>>> marks;
    for (std::sregex_iterator it(xml.begin(), xml.end(), word), end; it != end; ++it)
        marks[std::lround(std::stod((*it)[1]))].emplace_back(std::stod((*it)[3]),
                                                             std::stod((*it)[2]));
    return marks;
}

} // namespace

TEST(SheetsCommand, BatchGivesOnePagePerWallOnIsoPaperWithTitleBlocks) {
    TempDir home;
    if (!haveTools(home))
        GTEST_SKIP() << "poppler-utils or the Qt drawing are missing";
    std::filesystem::create_directories(home.file("config/murcad"));
    home.write("config/murcad/preferenze.ini",
               "[cartiglio]\nprogetto = Residenza Le Querce\ndisegnatore = ing. Rossi\n");
    const std::string pdf = home.file("tavole.pdf");
    const int code =
        tavole(home, "-o '" + pdf + "' --scale 1:50 --verificatore 'ing. Bianchi' '" + kExamples +
                         "/realistic_10_storeys.PAR' '" + kExamples + "/band_element.PAR' '" +
                         kExamples + "/stress_40_storeys.PAR' '" + kExamples + "/diagonal.PAR'");
    const std::string err = readText(home.file("err"));
    // The 40-storey wall does not fit A0 at 1:50: left out, named, with the scale that fits.
    EXPECT_EQ(code, 1) << err;
    EXPECT_NE(err.find("stress_40_storeys.PAR: A 1:50"), std::string::npos) << err;
    EXPECT_NE(err.find("1:200"), std::string::npos) << err;
    EXPECT_NE(err.find("riferiti a fasce"), std::string::npos) << err;
    EXPECT_NE(err.find("[4/4] diagonal.PAR"), std::string::npos) << err;

    const std::string info = capture(home, "pdfinfo -f 1 -l 9 '" + pdf + "'");
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    std::regex size("Page +([0-9]+) size: +([0-9.]+) x ([0-9.]+) pts");
    int pages = 0;
    for (std::sregex_iterator it(info.begin(), info.end(), size), end; it != end; ++it) {
        double w = std::stod((*it)[2]) * 25.4 / 72, h = std::stod((*it)[3]) * 25.4 / 72;
        double s = std::min(w, h), l = std::max(w, h);
        bool iso = false;
        for (auto [a, b] : {std::pair{210, 297}, {297, 420}, {420, 594}, {594, 841}, {841, 1189}})
            iso = iso || (std::abs(s - a) <= 1 && std::abs(l - b) <= 1);
        EXPECT_TRUE(iso) << "page " << (*it)[1] << ": " << w << " x " << h << " mm";
        ++pages;
    }
    EXPECT_EQ(pages, 2);
    for (int page = 1; page <= 2; ++page) {
        std::string text = capture(home, "pdftotext -f " + std::to_string(page) + " -l " +
                                             std::to_string(page) + " '" + pdf + "' -");
        for (const std::string &t : std::vector<std::string>{
                 "Residenza Le Querce", "ing. Rossi", "ing. Bianchi", "Scala 1:50", "Parete n.",
                 "Progetto", "Data", "Revisione", "Tavola " + std::to_string(page) + " di 2"})
            EXPECT_NE(text.find(t), std::string::npos) << "page " << page << ": " << t;
    }
    EXPECT_NE(capture(home, "pdftotext -f 1 -l 1 '" + pdf + "' -").find("realistic_10_storeys"),
              std::string::npos);
}

TEST(SheetsCommand, LevelMarksArePrintedAtTheirDistanceOverTheScale) {
    TempDir home;
    if (!haveTools(home))
        GTEST_SKIP() << "poppler-utils or the Qt drawing are missing";
    for (int scale : {50, 100}) {
        const std::string pdf = home.file("s" + std::to_string(scale) + ".pdf");
        ASSERT_EQ(tavole(home, "-o '" + pdf + "' --scale 1:" + std::to_string(scale) + " '" +
                                   kExamples + "/realistic_10_storeys.PAR'"),
                  0)
            << readText(home.file("err"));
        int pairs = 0;
        for (const auto &[x, marks] : levelMarks(home, pdf, 1)) {
            for (std::size_t i = 1; i < marks.size(); ++i) {
                const double levels = marks[i].first - marks[0].first;
                const double printedMm = (marks[0].second - marks[i].second) * 25.4 / 72;
                EXPECT_NEAR(printedMm, levels * 10 / scale, 0.5)
                    << "1:" << scale << ", levels " << marks[0].first << " and " << marks[i].first;
                ++pairs;
            }
        }
        EXPECT_GE(pairs, 10) << "1:" << scale;
    }
}

TEST(SheetsCommand, BadChoicesAndUnwritableOutputAreNamed) {
    TempDir home;
    const std::string wall = "'" + kExamples + "/realistic_10_storeys.PAR'";
    EXPECT_EQ(tavole(home, "-o x.pdf --scale 2:50 " + wall), 2);
    EXPECT_NE(readText(home.file("err")).find("2:50"), std::string::npos);
    EXPECT_EQ(tavole(home, "-o x.pdf --paper B4 " + wall), 2);
    EXPECT_NE(readText(home.file("err")).find("B4"), std::string::npos);
    if (!haveTools(home))
        GTEST_SKIP() << "poppler-utils or the Qt drawing are missing";
    const std::string blocked = home.write("file", "x") + "/out.pdf";
    EXPECT_EQ(tavole(home, "-o '" + blocked + "' " + wall), 1);
    EXPECT_NE(readText(home.file("err")).find(blocked), std::string::npos)
        << readText(home.file("err"));
    // An A4 asked for a wall that needs A1 is refused with the scale that fits A4.
    EXPECT_EQ(tavole(home, "-o '" + home.file("a4.pdf") + "' --paper A4 " + wall), 1);
    EXPECT_NE(readText(home.file("err")).find("foglio A4"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(home.file("a4.pdf")));
}
