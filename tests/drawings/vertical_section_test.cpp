// Vertical sections: edge-zone test, foundation, labels, levels and crossing cut marks.
#include "draw/recording_surface.h"
#include "drawings/elevation.h"
#include "drawings/vertical_section.h"
#include "wall_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace murcad {
namespace {

using test::plainWall;
using test::vertCut;

bool hasTextStarting(const RecordingSurface &s, const std::string &prefix) {
    auto t = s.texts();
    return std::any_of(t.begin(), t.end(),
                       [&](const std::string &x) { return x.rfind(prefix, 0) == 0; });
}

TEST(VerticalSection, CutInEdgeZoneUsesTheStoreysOwnBorders) {
    Wall w = plainWall(1);
    w.Storeys[0].OffsetLeft = 100; // the user's offsets do not move the edge zones
    w.VertSections = {vertCut(-100, 0, 300, 0, 1), vertCut(-80, 0, 300, 0, 1),
                      vertCut(95, 0, 300, 0, 1)};
    EXPECT_TRUE(cutInEdgeZone(w, 0, 0));
    EXPECT_FALSE(cutInEdgeZone(w, 0, 1));
    EXPECT_TRUE(cutInEdgeZone(w, 0, 2));
    EXPECT_FALSE(cutInEdgeZone(w, 3, 0)); // no such storey
}

TEST(VerticalSection, EdgeZoneCutCarriesTieAndStirrupLabels) {
    Wall w = plainWall(2);
    w.VertSections = {vertCut(-130, 0, 600, 0, 2)};
    RecordingSurface s;
    drawVerticalSection(s, w, 0, 1000);
    EXPECT_NE(s.findText("Legature: min. 9 %%c8 per mq"), nullptr);
    EXPECT_TRUE(hasTextStarting(s, "St. %%c10/"));
    const RecordedEntity *t = s.findText("Legature: min. 9 %%c8 per mq");
    EXPECT_FLOAT_EQ(t->angle, 90);
    EXPECT_NE(s.findText("%%c10/20"), nullptr); // horizontal bars label
}

TEST(VerticalSection, WebCutShowsDotsTiesAndTheFoundationStarter) {
    Wall w = plainWall(2);
    w.VertSections = {vertCut(0, 0, 600, 0, 2)};
    RecordingSurface s;
    drawVerticalSection(s, w, 0, 1000);
    EXPECT_NE(s.findText("Sezione A-A"), nullptr);
    EXPECT_GT(s.ofKind(RecordedEntity::Circle).size(), 20u);
    EXPECT_EQ(s.findText("Legature: min. 9 %%c8 per mq"), nullptr);
    // The starter bar beside the section: bottom leg T - 2c plus the rise to the lap.
    EXPECT_TRUE(hasTextStarting(s, "1%%c12/21.5 L="));
    // Level marks at the base and at each storey top with their dashed level lines.
    EXPECT_NE(s.findText("+0.0"), nullptr);
    EXPECT_NE(s.findText("+300.0"), nullptr);
    EXPECT_NE(s.findText("+600.0"), nullptr);
    auto quote = s.linesOnLayer(QUOTE);
    EXPECT_EQ(std::count_if(quote.begin(), quote.end(),
                            [](const RecordedEntity &e) { return e.lineStyle == Dashed; }),
              3);
}

TEST(VerticalSection, UpperCutDrawsNoFoundation) {
    Wall w = plainWall(3);
    w.VertSections = {vertCut(0, 300, 900, 1, 3)};
    RecordingSurface s;
    drawVerticalSection(s, w, 0, 1000);
    for (const RecordedEntity &e : s.linesOnLayer(BORDO))
        EXPECT_GE(std::min(e.worldY1, e.worldY2), 300.0f);
    EXPECT_EQ(s.findText("+0.0"), nullptr);
}

TEST(VerticalSection, MarksOnlyTheHorizontalCutsOfItsStoreys) {
    Wall w = plainWall(3);
    w.HorizSections = {test::horizCut(w, 0, 150), test::horizCut(w, 1, 450),
                       test::horizCut(w, 2, 750)};
    w.VertSections = {vertCut(0, 300, 900, 1, 3)};
    RecordingSurface s;
    drawVerticalSection(s, w, 0, 1000);
    auto texts = s.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), " 1"), 0);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), " 2"), 2);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), " 3"), 2);
}

TEST(ElevationLaps, NoEdgeLapsOutsideANarrowerStoreyAbove) {
    Wall w = plainWall(2);
    w.Storeys[1].Length = 240; // the upper storey ends 30 cm short on each side
    RecordingSurface s;
    drawElevation(s, w, 0);
    for (const RecordedEntity &e : s.linesOnLayer(FERRI)) {
        float top = std::max(e.worldY1, e.worldY2);
        if (top > 300.5f && std::min(e.worldY1, e.worldY2) >= 299.5f)
            EXPECT_LE(std::abs(e.worldX1), 120.01f) << e.worldX1;
    }
}

} // namespace
} // namespace murcad
