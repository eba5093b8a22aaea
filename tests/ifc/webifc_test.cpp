// web-ifc, an independent IFC reader, opens murcad-cli's IFC of every example wall and of the
// whole batch and checks it against the bill of materials of the same files.
#include "dxf/dxf_test_support.h"
#include "ifc/ifc_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using murcad::dxftest::readText;
using murcad::dxftest::TempDir;
namespace fs = std::filesystem;

namespace {

// The check script beside this file (found from the examples: __FILE__ may be relative).
const std::string kTestsDir =
    (fs::path(MURCAD_EXAMPLES_DIR).parent_path() / "tests" / "ifc").string();

std::vector<std::string> exampleWalls() {
    std::vector<std::string> paths;
    for (const auto &e : fs::directory_iterator(MURCAD_EXAMPLES_DIR))
        if (e.path().extension() == ".PAR")
            paths.push_back(e.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

/// web-ifc as the test command installs it into the build folder (or MURCAD_WEB_IFC).
std::string webIfcFolder() {
    if (const char *env = std::getenv("MURCAD_WEB_IFC"))
        return env;
    return (fs::path(MURCAD_CLI).parent_path().parent_path() / "webifc/node_modules/web-ifc")
        .string();
}

int run(const std::string &cmd) {
    int rc = std::system(cmd.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

std::string quoted(const std::vector<std::string> &walls) {
    std::string s;
    for (const auto &w : walls)
        s += " '" + w + "'";
    return s;
}

} // namespace

/// Skips the test when Node.js or web-ifc is missing; otherwise web-ifc's folder.
#define REQUIRE_WEB_IFC(folder)                                                               \
    if (run("command -v node >/dev/null 2>&1") != 0)                                         \
        GTEST_SKIP() << "Node.js non installato";                                             \
    const std::string folder = webIfcFolder();                                                \
    if (!fs::exists(folder + "/web-ifc-api-node.js"))                                         \
    GTEST_SKIP() << "web-ifc non installato in " << folder                                    \
                 << " (lo installa: bash tools/build.sh test)"

TEST(WebIfc, ReadsEveryExampleAndItsBarsAgreeWithTheBillOfMaterials) {
    REQUIRE_WEB_IFC(webIfc);
    TempDir dir;
    const std::string cli = std::string("HOME='") + dir.str() + "' '" + MURCAD_CLI + "'";
    std::string pairs;
    auto exportBoth = [&](const std::string &name, const std::vector<std::string> &walls) {
        std::string ifc = dir / (name + ".ifc"), json = dir / (name + ".json");
        EXPECT_EQ(run(cli + " ifc -o '" + ifc + "'" + quoted(walls) + " 2>'" +
                      (dir / "cli.log") + "'"),
                  0)
            << name << "\n" << readText(dir / "cli.log");
        // The bill of materials leaves band elements out too (and says so with exit code 1).
        run(cli + " computo --json" + quoted(walls) + " >'" + json + "' 2>/dev/null");
        pairs += " '" + ifc + "' '" + json + "'";
    };
    std::vector<std::string> walls;
    for (const auto &w : exampleWalls()) {
        if (w.find("band_element") != std::string::npos)
            continue; // a band element has nothing to export (see the batch below)
        walls.push_back(w);
        exportBoth(fs::path(w).stem().string(), {w});
    }
    // A batch with a band element in one file: walls side by side, storeys shared by level.
    std::vector<std::string> batch;
    for (const auto &w : exampleWalls())
        for (const char *name : {"band_element", "diagonal", "offsets", "version_5"})
            if (fs::path(w).stem() == name)
                batch.push_back(w);
    exportBoth("batch", batch);

    std::string log = dir / "webifc.log";
    int rc = run("node '" + kTestsDir + "/webifc_check.cjs' '" + webIfc + "'" + pairs + " >'" +
                 log + "' 2>&1");
    EXPECT_EQ(rc, 0) << readText(log);
    std::string out = readText(log);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), static_cast<long>(walls.size() + 1))
        << out;
}

// The check itself finds a bar outside the concrete and a count that differs from the bill.
TEST(WebIfc, TheCheckFindsABarOutsideTheConcrete) {
    REQUIRE_WEB_IFC(webIfc);
    TempDir dir;
    murcad::Wall w;
    w.WallNumber = 1;
    w.Thickness = 30;
    w.Cover = 3;
    murcad::Storey s;
    s.TopLevel = s.Height = 300;
    s.Length = 200;
    w.Storeys = {s};
    murcad::BarGroup g;
    g.name = "Verticali";
    g.diameterMm = 20;
    g.cutLength = 350;
    // The second bar stands 5 cm outside the near face.
    g.bars = {{{0, 0, 0}, {0, 0, 300}}, {{50, -20, 0}, {50, -20, 300}}};
    murcad::IfcFileInfo info;
    info.fileName = info.projectName = "prova";
    murcad::IfcModelBuilder m(info);
    m.addWall(w, 0, "prova.PAR", {g});
    murcad::dxftest::writeText(dir / "p.ifc", m.finish());
    double kg = 2 * 3.5 * 3.14159265 * 0.01 * 0.01 * 7850;
    murcad::dxftest::writeText(dir / "p.json",
                               "{\"Walls\":[{\"Tables\":[{\"Rows\":[{\"Count\":3}]}]}],"
                               "\"TotalSteel\":" + std::to_string(kg) + "}");
    std::string log = dir / "webifc.log";
    EXPECT_EQ(run("node '" + kTestsDir + "/webifc_check.cjs' '" + webIfc + "' '" +
                  (dir / "p.ifc") + "' '" + (dir / "p.json") + "' >'" + log + "' 2>&1"),
              1);
    std::string out = readText(log);
    EXPECT_NE(out.find("2 IfcReinforcingBar, il computo conta 3 barre"), std::string::npos) << out;
    EXPECT_NE(out.find("fuori dal calcestruzzo nel punto"), std::string::npos) << out;
    EXPECT_EQ(out.find("acciaio"), std::string::npos) << out; // the weight agrees
}
