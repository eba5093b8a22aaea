// web-ifc, an independent IFC reader, opens murcad-cli's IFC of every example wall and of the
// whole batch and checks it against the bill of materials of the same files.
#include "dxf/dxf_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using murcad::dxftest::readText;
using murcad::dxftest::TempDir;
namespace fs = std::filesystem;

namespace {

const std::string kTestsDir = fs::path(__FILE__).parent_path().string();

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

TEST(WebIfc, ReadsEveryExampleAndItsBarsAgreeWithTheBillOfMaterials) {
    if (run("command -v node >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "Node.js non installato";
    std::string webIfc = webIfcFolder();
    if (!fs::exists(webIfc + "/web-ifc-api-node.js"))
        GTEST_SKIP() << "web-ifc non installato in " << webIfc
                     << " (lo installa: bash tools/build.sh test)";

    TempDir dir;
    const std::string cli = std::string("HOME='") + dir.str() + "' '" + MURCAD_CLI + "'";
    std::string pairs;
    auto exportBoth = [&](const std::string &name, const std::vector<std::string> &walls) {
        std::string ifc = dir / (name + ".ifc"), json = dir / (name + ".json");
        EXPECT_EQ(run(cli + " ifc -o '" + ifc + "'" + quoted(walls) + " 2>'" +
                      (dir / "cli.log") + "'"),
                  0)
            << name << "\n" << readText(dir / "cli.log");
        EXPECT_EQ(run(cli + " computo --json" + quoted(walls) + " >'" + json + "' 2>/dev/null"),
                  0)
            << name;
        pairs += " '" + ifc + "' '" + json + "'";
    };
    std::vector<std::string> walls;
    for (const auto &w : exampleWalls()) {
        if (w.find("band_element") != std::string::npos)
            continue; // a band element has nothing to export (see the batch below)
        walls.push_back(w);
        exportBoth(fs::path(w).stem().string(), {w});
    }
    // The whole batch, band element included, in one file: walls side by side.
    exportBoth("batch", exampleWalls());

    std::string log = dir / "webifc.log";
    int rc = run("node '" + kTestsDir + "/webifc_check.cjs' '" + webIfc + "'" + pairs + " >'" +
                 log + "' 2>&1");
    EXPECT_EQ(rc, 0) << readText(log);
    std::string out = readText(log);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), static_cast<long>(walls.size() + 1))
        << out;
}
