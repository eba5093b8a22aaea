// Tests of the CSV rows, the JSON text and the HTML view of the bill of materials.
#include "takeoff/report_csv.h"
#include "takeoff/report_html.h"
#include "takeoff/report_json.h"

#include "sample_walls.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace murcad;
using murcad::test::twoStoreyWall;

namespace {

TakeoffRun runWithDiagonal() {
    Wall w = twoStoreyWall();
    w.DiagonalDiameter = 20;
    w.DiagonalAngle = 45;
    TakeoffRun run;
    run.batch = true;
    addToRun(run, takeOffWall(w));
    return run;
}

} // namespace

TEST(TakeoffCsv, OneLinePerBarGroup) {
    std::string csv = takeoffCsv(runWithDiagonal());
    std::istringstream in(csv);
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(in, line))
        lines.push_back(line);
    // Header, 6 vertical, 4 horizontal, 2 tie rows and the diagonal bars.
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "wall,table,label,count,diameter,length,weight,stirrup");
    EXPECT_EQ(lines[1], "7,Armature verticali,Fond.,16,16,135.0,34.09,0");
    EXPECT_EQ(lines[3], "7,Armature verticali,Piano  1,16,16,364.0,91.92,0");
    EXPECT_EQ(lines[7], "7,Armature orizzontali,Piano  1,40,8,152.0,23.99,1");
    EXPECT_EQ(lines[11], "7,Legature,Piano  1,136,6,45.0,13.58,0");
    EXPECT_EQ(lines[13], "7,Armatura diagonale,4+4,8,20,272.0,53.66,0");
}

TEST(TakeoffJson, StructuredResultWithModelNames) {
    std::string json = takeoffJson(runWithDiagonal());
    EXPECT_NE(json.find("\"WallNumber\": 7"), std::string::npos);
    EXPECT_NE(json.find("{\"Label\": \"Fond.\", \"Count\": 16, \"Diameter\": 16, \"Length\": 135, "
                        "\"Weight\": 34.09206, \"Stirrup\": false}"),
              std::string::npos);
    EXPECT_NE(json.find("\"Stirrup\": true"), std::string::npos);
    EXPECT_NE(json.find("\"Diagonal\": {\"Count\": 8, \"Diameter\": 20, \"Length\": 272"),
              std::string::npos);
    EXPECT_NE(json.find("\"WallSteel\": "), std::string::npos);
    EXPECT_NE(json.find("\"WallConcrete\": 5.22"), std::string::npos);
    EXPECT_NE(json.find("\"WallByDiameter\": [{\"Class\": 0, \"Diameter\": 0, \"Weight\": "),
              std::string::npos);
    EXPECT_NE(json.find("\"WallsComputed\": 1"), std::string::npos);
    EXPECT_NE(json.find("\"Skipped\": []"), std::string::npos);
}

TEST(TakeoffJson, MissingRatioIsNullAndTextIsEscaped) {
    TakeoffRun run;
    run.batch = true;
    run.skipped.push_back({"C:\\pareti\\\"x\".PAR", "riga 3\tvalore"});
    std::string json = takeoffJson(run);
    EXPECT_NE(json.find("\"SteelRatio\": null"), std::string::npos);
    EXPECT_NE(
        json.find("\"File\": \"C:\\\\pareti\\\\\\\"x\\\".PAR\", \"Reason\": \"riga 3\\tvalore\""),
        std::string::npos);
}

TEST(ComputoHtml, SameTextsAndNumbersAsTheReport) {
    Wall second = twoStoreyWall();
    second.NoEdgeZones = 1;
    TakeoffRun run = runWithDiagonal();
    addToRun(run, takeOffWall(second));
    std::string html = computoHtml(run, {true, ','});
    EXPECT_NE(html.find("<b><u>Parete n. 7</u></b>"), std::string::npos);
    EXPECT_NE(html.find("<tr><td align=\"left\">Fond.</td><td align=\"center\">16</td>"
                        "<td align=\"center\">16</td><td align=\"right\">135,0</td>"
                        "<td align=\"right\">34,09</td></tr>"),
              std::string::npos);
    EXPECT_NE(html.find("Piano&nbsp;&nbsp;1</td><td align=\"center\">40 st.</td>"),
              std::string::npos);
    EXPECT_NE(html.find("Peso = 53.66 kg"), std::string::npos); // always a point
    EXPECT_NE(html.find("Barre Ø16 = "), std::string::npos);
    EXPECT_NE(html.find("Quantità totali:</u><br>\nVavire computate = 2<br>"), std::string::npos);
    // Only the first wall has edge zones, so only one ties table.
    std::size_t first = html.find("Legature:");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(html.find("Legature:", first + 1), std::string::npos);
}

TEST(ComputoHtml, BatchNamesEachWallsFileBesideItsHeading) {
    TakeoffRun run = runWithDiagonal();
    run.walls[0].WallFile = "/lavori/edificio/P7 & bis.PAR";
    run.batch = false; // the current wall: its file is in the window title
    std::string single = computoHtml(run, {true, ','});
    EXPECT_EQ(single.find("P7 &amp; bis.PAR"), std::string::npos);
    run.batch = true;
    std::string batch = computoHtml(run, {true, ','});
    EXPECT_NE(batch.find("<b><u>Parete n. 7</u></b> &nbsp; <span style=\"font-size: 10pt\">"
                         "P7 &amp; bis.PAR</span></p>"),
              std::string::npos);
}
