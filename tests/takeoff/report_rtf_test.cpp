// Tests of the RTF bill of materials: builders, exact lines, sections, totals and the file.
#include "takeoff/report_rtf.h"

#include "takeoff/rtf_builders.h"
#include "geometry/cp1252.h"

#include "sample_walls.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace murcad;
using murcad::test::twoStoreyWall;

namespace {

int occurrences(const std::string &s, const std::string &what) {
    int n = 0;
    for (std::size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1))
        ++n;
    return n;
}

TakeoffRun singleRun(const Wall &w) {
    TakeoffRun run;
    addToRun(run, takeOffWall(w));
    return run;
}

TakeoffRun batchOfTwo() {
    TakeoffRun run;
    run.batch = true;
    addToRun(run, takeOffWall(twoStoreyWall()));
    Wall b = twoStoreyWall();
    b.WallNumber = 8;
    addToRun(run, takeOffWall(b));
    return run;
}

} // namespace

TEST(RtfBuilders, ExactTexts) {
    EXPECT_EQ(rtfHeader(), "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\fswiss"
                           "\\fcharset0 Arial;}{\\f1\\froman\\fcharset2 Symbol;}}{\\colortbl\\red0"
                           "\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}");
    EXPECT_EQ(rtfEnd(), "\\par }");
    EXPECT_EQ(rtfTabCenter(2), "\\tqc\\tx1136");
    EXPECT_EQ(rtfTabRight(7.5f), "\\tqr\\tx4260");
    EXPECT_EQ(rtfStyled("Parete", 24, true, true), "\\plain\\f3\\fs24\\cf0\\b\\ul Parete");
    EXPECT_EQ(rtfStyled("x", 20, false, false), "\\plain\\f3\\fs20\\cf0\\b0 x");
    EXPECT_EQ(rtfStyled("x", 20, false, true), "\\plain\\f3\\fs20\\cf0\\b x");
    EXPECT_EQ(rtfSymbol("f"), "\\plain\\f3\\fs26\\cf0\\b0 \\f1 f\\plain\\f3\\fs20\\cf0\\b0 \\f0");
}

TEST(ComputoRtf, HeaderAndTheFourTabStops) {
    std::string rtf = computoRtf(singleRun(twoStoreyWall()), {});
    EXPECT_EQ(rtf.rfind(rtfHeader() + "\\tqc\\tx1704\\tqc\\tx2840\\tqr\\tx4828\\tqr\\tx6248", 0),
              0u);
    EXPECT_EQ(rtf.substr(rtf.size() - 6), "\\par }");
}

TEST(ComputoRtf, WallSectionLines) {
    std::string rtf = computoRtf(singleRun(twoStoreyWall()), {});
    EXPECT_NE(rtf.find("\\plain\\f3\\fs20\\cf0\\b0  \\par \\plain\\f3\\fs24\\cf0\\b\\ul Parete n. 7"
                       "\\plain\\f3\\fs20\\cf0\\b0 \\par \\par Armature verticali:\\par Piano\\tab "
                       "Numero\\tab Diam.(mm)\\tab Lungh.(cm)\\tab Peso (kg)\\par "),
              std::string::npos);
    EXPECT_NE(rtf.find("Fond.\\tab 16\\tab 16\\tab 135.0\\tab 34.09 \\par "), std::string::npos);
    EXPECT_NE(rtf.find("Piano  2\\tab 20\\tab 10\\tab 301.0\\tab 37.12 \\par \\par "
                       "Armature orizzontali:\\par "),
              std::string::npos);
    EXPECT_NE(rtf.find("Piano  1\\tab 40 st.\\tab 8\\tab 152.0\\tab 23.99 \\par "
                       "Piano  1\\tab 30\\tab 8\\tab 324.0\\tab 38.35 \\par "),
              std::string::npos);
    EXPECT_NE(rtf.find("Legature:\\par Piano\\tab Numero"), std::string::npos);
    EXPECT_NE(rtf.find("Piano  2\\tab 108\\tab 6\\tab 45.0\\tab 10.79 \\par \\par Riepilogo:\\par "
                       "Peso totale dell'acciaio = 434.06 kg\\par Volume calcestruzzo = 5.22 mc"
                       "\\par Incidenza acciaio = 83.15 kg/mc\\par \\par \\par }"),
              std::string::npos);
    // One wall from the main window: no totals, no steel by diameter.
    EXPECT_EQ(rtf.find("Quantità totali:"), std::string::npos);
    EXPECT_EQ(rtf.find("Staffe e legature"), std::string::npos);
    EXPECT_EQ(occurrences(rtf, "Parete n."), 1);
}

TEST(ComputoRtf, WithoutEdgeZonesNoTiesTable) {
    Wall w = twoStoreyWall();
    w.NoEdgeZones = 1;
    std::string rtf = computoRtf(singleRun(w), {});
    EXPECT_EQ(rtf.find("Legature:"), std::string::npos);
    EXPECT_EQ(rtf.find(" st.\\tab "), std::string::npos);
    EXPECT_NE(rtf.find("Armature orizzontali:"), std::string::npos);
}

TEST(ComputoRtf, DiagonalLineWithPointWhateverTheLocale) {
    Wall w = twoStoreyWall();
    w.DiagonalDiameter = 20;
    w.DiagonalAngle = 45;
    std::string rtf = computoRtf(singleRun(w), {false, ','});
    EXPECT_NE(rtf.find("\\par \\par Armatura diagonale: 4+4 \\plain\\f3\\fs26\\cf0\\b0 \\f1 f"
                       "\\plain\\f3\\fs20\\cf0\\b0 \\f0 20 mm,   L = 272 cm,   Peso = 53.66 kg"
                       "\\par\\par Riepilogo:\\par "),
              std::string::npos);
    // No diagonal: no line at all.
    EXPECT_EQ(computoRtf(singleRun(twoStoreyWall()), {}).find("Armatura diagonale"),
              std::string::npos);
}

TEST(ComputoRtf, ItalianLocalePrintsCommas) {
    std::string rtf = computoRtf(singleRun(twoStoreyWall()), {false, ','});
    EXPECT_NE(rtf.find("Fond.\\tab 16\\tab 16\\tab 135,0\\tab 34,09 \\par "), std::string::npos);
    EXPECT_NE(rtf.find("Peso totale dell'acciaio = 434,06 kg\\par Volume calcestruzzo = 5,22 mc"
                       "\\par Incidenza acciaio = 83,15 kg/mc"),
              std::string::npos);
    // The tab stops and font sizes are not numbers of the locale.
    EXPECT_NE(rtf.find("\\tqr\\tx4828"), std::string::npos);
}

TEST(ComputoRtf, SteelByDiameterWhenAsked) {
    std::string rtf = computoRtf(singleRun(twoStoreyWall()), {true, '.'});
    EXPECT_NE(rtf.find("Riepilogo:\\par Staffe e legature = 65.15 kg\\par Barre Ø8 = 74.15 kg"
                       "\\par Barre Ø10 = 92.73 kg\\par Barre Ø16 = 202.03 kg\\par Peso totale"),
              std::string::npos);
}

TEST(ComputoRtf, BatchTotals) {
    std::string rtf = computoRtf(batchOfTwo(), {true, '.'});
    EXPECT_EQ(occurrences(rtf, "Parete n."), 2);
    EXPECT_NE(rtf.find("\\plain\\f3\\fs20\\cf0\\b\\ul \\par Quantità totali:"
                       "\\plain\\f3\\fs20\\cf0\\b \\par Vavire computate = 2\\par "
                       "Staffe e legature = 130.31 kg\\par "),
              std::string::npos);
    EXPECT_NE(rtf.find("Barre Ø16 = 404.05 kg\\par Peso totale dell'acciaio = 868.12 kg\\par "
                       "Volume calcestruzzo = 10.44 mc\\par Incidenza acciaio = 83.15 kg/mc"
                       "\\par \\par }"),
              std::string::npos);
    // Option off: no weights by diameter in the walls nor in the totals.
    std::string plain = computoRtf(batchOfTwo(), {false, '.'});
    EXPECT_EQ(plain.find("Barre"), std::string::npos);
    EXPECT_EQ(plain.find("Staffe e legature"), std::string::npos);
}

TEST(ComputoRtf, NoConcreteGivesNoRatio) {
    Wall w = twoStoreyWall();
    for (Storey &s : w.Storeys)
        s.Length = 0;
    w.NoEdgeZones = 1;
    std::string rtf = computoRtf(singleRun(w), {});
    EXPECT_NE(rtf.find("Volume calcestruzzo = 0.00 mc\\par Incidenza acciaio = n.d.\\par "),
              std::string::npos);
    TakeoffRun empty;
    empty.batch = true;
    EXPECT_NE(computoRtf(empty, {}).find("Vavire computate = 0\\par "), std::string::npos);
}

TEST(Windows1252, AccentsAndDiameterSign) {
    EXPECT_EQ(utf8ToCp1252("Quantità Ø", ControlChars::Keep), "Quantit\xE0 \xD8");
    EXPECT_EQ(utf8ToCp1252("€ “x”", ControlChars::Keep), "\x80 \x93x\x94");
    EXPECT_EQ(utf8ToCp1252("√", ControlChars::Keep), "?");      // not in the code page
    // A byte that is no UTF-8 is taken as a Windows-1252 byte already; line breaks stay.
    EXPECT_EQ(utf8ToCp1252("a\xC3", ControlChars::Keep), "a\xC3");
    EXPECT_EQ(utf8ToCp1252("\\par\r\n", ControlChars::Keep), "\\par\r\n");
}

TEST(WriteReportRtf, StoresWindows1252) {
    auto dir = std::filesystem::temp_directory_path() / "murcad_takeoff_rtf";
    std::filesystem::create_directories(dir);
    std::string path = (dir / "ComputoParete.rtf").string();
    std::string error;
    ASSERT_TRUE(writeReportRtf(path, computoRtf(batchOfTwo(), {true, '.'}), &error)) << error;
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_NE(bytes.str().find("Quantit\xE0 totali:"), std::string::npos);
    EXPECT_NE(bytes.str().find("Barre \xD8"), std::string::npos);
    EXPECT_EQ(bytes.str().find("\xC3"), std::string::npos); // no UTF-8 left
    std::filesystem::remove_all(dir);
}

TEST(WriteReportRtf, FailureNamesThePath) {
    std::string error;
    std::string path = "/nonexistent-folder/ComputoParete.rtf";
    EXPECT_FALSE(writeReportRtf(path, "{\\rtf1 }", &error));
    EXPECT_NE(error.find(path), std::string::npos);
}
