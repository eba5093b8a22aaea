// Real clients read our DXF: murcad-cli exports of the example walls audited by ezdxf,
// rendered by LibreCAD; the walls of a batch stand side by side.
#include "draw/recording_surface.h"
#include "drawings/sheet.h"
#include "dxf/dxf_file.h"
#include "dxf_test_support.h"
#include "model/wall_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using namespace murcad;
using namespace murcad::dxftest;
namespace fs = std::filesystem;

namespace {

const std::string kTestsDir = fs::path(__FILE__).parent_path().string();

std::vector<std::string> exampleWalls() {
    std::vector<std::string> paths;
    for (const auto &e : fs::directory_iterator(MURCAD_EXAMPLES_DIR)) {
        std::string ext = e.path().extension().string();
        if (ext == ".PAR" || ext == ".par")
            paths.push_back(e.path().string());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

// Runs murcad-cli dxf with a home folder of its own (no user settings): returns exit code.
int exportWalls(const TempDir &home, const std::string &out, const std::vector<std::string> &walls,
                const std::string &extra = "") {
    std::string cmd = "HOME='" + home.str() + "' '" + MURCAD_CLI + "' dxf -o '" + out + "' " +
                      extra;
    for (const auto &w : walls)
        cmd += " '" + w + "'";
    cmd += " 2>'" + home / "cli.log" + "'";
    int rc = std::system(cmd.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

std::string entitiesOf(const std::string &dxf) {
    std::size_t p = dxf.find("ENTITIES\r\n");
    return p == std::string::npos ? std::string() : dxf.substr(p);
}

// The values of one group code (" 10", " 11") inside the ENTITIES section, in order.
std::vector<double> groupValues(const std::string &entities, const char *code) {
    std::vector<double> v;
    std::string key = std::string("\n") + code + "\r\n";
    for (std::size_t p = entities.find(key); p != std::string::npos;
         p = entities.find(key, p + 1))
        v.push_back(std::strtod(entities.c_str() + p + key.size(), nullptr));
    return v;
}

bool haveProgram(const char *name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

} // namespace

// Exports every example wall to its own file; returns the files and their entity lines.
std::vector<std::string> exportEachAlone(const TempDir &dir, std::size_t &entityLines) {
    std::vector<std::string> files;
    entityLines = 0;
    for (const auto &w : exampleWalls()) {
        std::string out = dir / (fs::path(w).stem().string() + ".dxf");
        EXPECT_EQ(exportWalls(dir, out, {w}), 0) << w << "\n" << readText(dir / "cli.log");
        std::string ent = entitiesOf(readText(out));
        entityLines += std::count(ent.begin(), ent.end(), '\n');
        files.push_back(out);
    }
    return files;
}

int auditWithEzdxf(const TempDir &dir, const std::vector<std::string> &files) {
    std::string cmd = "/usr/bin/python3 '" + kTestsDir + "/ezdxf_audit.py'";
    for (const auto &f : files)
        cmd += " '" + f + "'";
    cmd += " >'" + dir / "audit.log" + "' 2>&1";
    return std::system(cmd.c_str());
}

TEST(DxfClients, EveryExampleAloneAuditsCleanInEzdxf) {
    ASSERT_FALSE(exampleWalls().empty()) << "no example walls in " << MURCAD_EXAMPLES_DIR;
    TempDir dir;
    std::size_t entityLines = 0;
    std::vector<std::string> files = exportEachAlone(dir, entityLines);
    EXPECT_EQ(auditWithEzdxf(dir, files), 0) << readText(dir / "audit.log");
}

TEST(DxfClients, AllExamplesTogetherAuditCleanInEzdxf) {
    std::vector<std::string> walls = exampleWalls();
    ASSERT_FALSE(walls.empty()) << "no example walls in " << MURCAD_EXAMPLES_DIR;
    TempDir dir;
    std::size_t entityLines = 0;
    exportEachAlone(dir, entityLines);
    std::string all = dir / "all_examples.dxf";
    EXPECT_EQ(exportWalls(dir, all, walls), 0) << readText(dir / "cli.log");
    std::string log = readText(dir / "cli.log");
    std::string n = std::to_string(walls.size());
    EXPECT_NE(log.find("[" + n + "/" + n + "]"), std::string::npos) << log; // progress lines
    EXPECT_NE(log.find("Pareti disegnate:"), std::string::npos) << log;
    // The batch holds exactly the entities of the walls drawn one by one.
    std::string allEntities = entitiesOf(readText(all));
    EXPECT_EQ(static_cast<std::size_t>(std::count(allEntities.begin(), allEntities.end(), '\n')),
              entityLines - (walls.size() - 1) * 5); // one frame instead of one per file
    EXPECT_EQ(auditWithEzdxf(dir, {all}), 0) << readText(dir / "audit.log");
}

TEST(DxfClients, SecondWallShiftedByTheFirstSheetPlusGap) {
    std::vector<std::string> walls = exampleWalls();
    auto pick = [&](const char *name) {
        auto it = std::find_if(walls.begin(), walls.end(),
                               [&](const std::string &p) { return p.find(name) != std::string::npos; });
        return it == walls.end() ? std::string() : *it;
    };
    std::string first = pick("realistic"), second = pick("diagonal");
    if (first.empty() || second.empty())
        GTEST_SKIP() << "example walls realistic/diagonal not present";
    Wall wall;
    ASSERT_TRUE(loadWall(first, wall).ok());
    RecordingSurface rec;
    float sheetX = redraw(rec, wall).SheetX;

    TempDir dir;
    ASSERT_EQ(exportWalls(dir, dir / "both.dxf", {first, second}, "--scale 1:50"), 0);
    ASSERT_EQ(exportWalls(dir, dir / "first.dxf", {first}, "--scale 1:50"), 0);
    ASSERT_EQ(exportWalls(dir, dir / "second.dxf", {second}, "--scale 1:50"), 0);
    std::string both = entitiesOf(readText(dir / "both.dxf"));
    std::size_t firstSize = entitiesOf(readText(dir / "first.dxf")).size() - 19; // less the end
    std::string secondInBoth = both.substr(firstSize);
    std::string alone = entitiesOf(readText(dir / "second.dxf")).substr(18);
    double shift = (sheetX + 100.0) * 0.02;
    for (const char *code : {" 10", " 11"}) {
        std::vector<double> shifted = groupValues(secondInBoth, code);
        std::vector<double> original = groupValues(alone, code);
        ASSERT_EQ(shifted.size(), original.size()) << code;
        for (std::size_t i = 0; i < shifted.size(); ++i)
            ASSERT_NEAR(shifted[i], original[i] + shift, 1e-5 * (1 + std::abs(shifted[i])))
                << code << " #" << i;
    }
    EXPECT_EQ(groupValues(secondInBoth, " 20"), groupValues(alone, " 20")); // same levels
}

TEST(DxfClients, LibreCadRendersOurEntitiesAndAnExample) {
    if (!haveProgram("librecad"))
        GTEST_SKIP() << "LibreCAD is not installed (apt-get install librecad)";
    TempDir dir;
    // Every kind of entity the drawings use, on every layer and linetype.
    DxfBatchHooks hooks = fakeHooks();
    hooks.draw = [](Surface &s, const Wall &) {
        for (int layer = 0; layer < kLayerCount; ++layer) {
            float y = layer * 40.0f;
            s.drawLine(0, y, 600, y, layer, layer % 4);
            s.dxfCircle(s.dxfX(700), s.dxfY(y), 10 * s.dxfScale(), layer);
            s.dxfText(s.dxfX(800), s.dxfY(y), "2%%c16 L=345 Quantità", layer, 0,
                      12 * s.dxfScale(), layer % 3);
        }
        s.dxfText(s.dxfX(300), s.dxfY(-100), "SEZIONE A-A", TESTO_TITOLI, 90,
                  20 * s.dxfScale(), 1);
        return 1200.0f;
    };
    Wall wall;
    DxfWriteResult r =
        writeDxf(dir / "sampler.dxf", MURCAD_DATA_DIR, {"P1.PAR"}, makeDefaultLayerSettings(),
                 wall, hooks);
    ASSERT_TRUE(r.written) << r.error;
    std::string script = "sh '" + kTestsDir + "/render_librecad.sh' ";
    EXPECT_EQ(std::system((script + "'" + dir / "sampler.dxf" + "' '" + dir.str() + "' >/dev/null")
                              .c_str()),
              0);
    EXPECT_GT(fs::file_size(dir / "sampler.pdf"), 1000u);

    std::vector<std::string> walls = exampleWalls();
    ASSERT_FALSE(walls.empty());
    std::string example = walls.front();
    for (const auto &w : walls)
        if (w.find("realistic") != std::string::npos)
            example = w;
    ASSERT_EQ(exportWalls(dir, dir / "example.dxf", {example}), 0);
    EXPECT_EQ(std::system((script + "'" + dir / "example.dxf" + "' '" + dir.str() + "' >/dev/null")
                              .c_str()),
              0);
    EXPECT_TRUE(fs::exists(dir / "example.pdf"));
    // To look at the pictures: MURCAD_DXF_RENDER_DIR=folder keeps the PDFs and PNGs there.
    if (const char *keep = std::getenv("MURCAD_DXF_RENDER_DIR")) {
        fs::create_directories(keep);
        for (const auto &e : fs::directory_iterator(dir.path))
            if (e.path().extension() == ".pdf" || e.path().extension() == ".png")
                fs::copy_file(e.path(), fs::path(keep) / e.path().filename(),
                              fs::copy_options::overwrite_existing);
    }
}

TEST(DxfCommand, RefusesBadArgumentsAndReportsUnreadableWalls) {
    std::vector<std::string> walls = exampleWalls();
    ASSERT_FALSE(walls.empty());
    TempDir dir;
    std::string out = dir / "out.dxf";
    EXPECT_EQ(exportWalls(dir, out, {walls[0]}, "--scale 0:25"), 2);
    EXPECT_NE(readText(dir / "cli.log").find("Valori della scala non validi!"), std::string::npos);
    EXPECT_EQ(exportWalls(dir, out, {}), 2);
    EXPECT_FALSE(fs::exists(out));

    // A missing wall file is named in the summary; the others are drawn and the exit code
    // says that something was left out.
    std::string missing = dir / "NON_ESISTE.PAR";
    EXPECT_EQ(exportWalls(dir, out, {walls[0], missing}, "--scale 1,5:50"), 1);
    std::string log = readText(dir / "cli.log");
    EXPECT_NE(log.find("file non letti: 1"), std::string::npos) << log;
    EXPECT_NE(log.find(missing), std::string::npos) << log;
    EXPECT_NE(log.find("scala 1.500:50.000"), std::string::npos) << log;
    EXPECT_TRUE(fs::exists(out));
}
