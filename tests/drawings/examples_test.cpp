// Every example wall drawn on the DXF and screen recorders: texts, layers, finite numbers.
#include "draw/recording_surface.h"
#include "drawings/sheet.h"
#include "drawings/vertical_section.h"
#include "dxf/dxf_surface.h"
#include "dxf/dxf_tags.h"
#include "model/wall_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

namespace murcad {
namespace {

std::vector<std::string> exampleWalls() {
    std::vector<std::string> out;
    for (const auto &e : std::filesystem::directory_iterator(MURCAD_EXAMPLES_DIR)) {
        std::string ext = e.path().extension().string();
        if (ext == ".PAR" || ext == ".par")
            out.push_back(e.path().string());
    }
    std::sort(out.begin(), out.end());
    return out;
}

bool finite(const RecordedEntity &e) {
    for (float v : {e.x1, e.y1, e.x2, e.y2, e.radius, e.angle, e.height})
        if (!std::isfinite(v))
            return false;
    return true;
}

TEST(ExampleSheets, EveryExampleDrawsFiniteEntitiesWithItsTitles) {
    auto files = exampleWalls();
    ASSERT_FALSE(files.empty());
    int drawn = 0;
    for (const std::string &f : files) {
        Wall w;
        LoadResult r = loadWall(f, w);
        if (!r.ok() || !(w.TotalHeight > 0))
            continue;
        ++drawn;
        for (bool dxf : {true, false}) {
            RecordingSurface s(dxf);
            s.DxfScale = 0.04f;
            s.view.ViewScale = 0.3f;
            redraw(s, w);
            ASSERT_FALSE(s.entities.empty()) << f;
            std::set<int> layers;
            for (const RecordedEntity &e : s.entities) {
                ASSERT_TRUE(finite(e)) << f << " " << e.text;
                ASSERT_GE(e.layer, 0);
                ASSERT_LT(e.layer, kLayerCount);
                EXPECT_EQ(e.text.find("nan"), std::string::npos) << f;
                EXPECT_EQ(e.text.find("inf"), std::string::npos) << f;
                layers.insert(e.layer);
            }
            const char *title = "Parete n.";
            bool hasTitle = false;
            for (const std::string &t : s.texts())
                hasTitle |= t.rfind(title, 0) == 0;
            EXPECT_TRUE(hasTitle) << f;
            if (w.horizSectionCount() > 0) {
                EXPECT_NE(s.findText("Sezione 1 - 1"), nullptr) << f;
            }
            if (w.vertSectionCount() > 0) {
                EXPECT_NE(s.findText(vertSectionTitle(0)), nullptr) << f;
            }
            for (int layer : {BORDO, SEZIONI, QUOTE, TESTO_QUOTE, TESTO_POSIZIONI, FERRI})
                EXPECT_TRUE(layers.count(layer)) << f << " layer " << layer;
        }
    }
    EXPECT_GE(drawn, 5);
}

TEST(ExampleSheets, DxfTextOfTheRealisticWallHasItsTitlesAndOnlyNumbers) {
    Wall w;
    ASSERT_TRUE(loadWall(std::string(MURCAD_EXAMPLES_DIR) + "/realistic_10_storeys.PAR", w).ok());
    DxfTagWriter writer;
    DxfSurface s(writer, makeDefaultLayerSettings());
    redraw(s, w);
    const std::string &dxf = writer.text();
    EXPECT_NE(dxf.find("\r\nParete n. 7\r\n"), std::string::npos);
    EXPECT_NE(dxf.find("\r\nSezione 1 - 1\r\n"), std::string::npos);
    EXPECT_NE(dxf.find("\r\nSezione A-A\r\n"), std::string::npos);
    EXPECT_NE(dxf.find("%%c"), std::string::npos);
    EXPECT_EQ(dxf.find("nan"), std::string::npos);
    EXPECT_EQ(dxf.find("inf"), std::string::npos);
    EXPECT_EQ(dxf.find(','), std::string::npos);
    EXPECT_NE(dxf.find("\r\nTESTO_QUOTE\r\n"), std::string::npos);
}

} // namespace
} // namespace murcad
