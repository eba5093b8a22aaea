// Every view draws the bars the bill of materials counts: per storey and family, the bars read
// back from the recorded drawing equal the take-off's rows (examples and generated walls).
#include "bars/bar_counts.h"
#include "draw/recording_surface.h"
#include "drawings/elevation.h"
#include "drawings/horizontal_section.h"
#include "drawings/sheet.h"
#include "drawings/storey_frame.h"
#include "drawings/vertical_section.h"
#include "model/wall_file.h"
#include "support/wall_generator.h"
#include "takeoff/takeoff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace murcad {
namespace {

bool near(float a, float b, float tol = 0.01f) {
    return std::abs(a - b) <= tol;
}

// Every example and 150 generated walls, each with the name a failure reports.
std::vector<std::pair<std::string, Wall>> walls() {
    std::vector<std::pair<std::string, Wall>> out;
    for (const auto &e : std::filesystem::directory_iterator(MURCAD_EXAMPLES_DIR)) {
        Wall w;
        if (e.path().extension() == ".PAR" && loadWall(e.path().string(), w).ok() &&
            w.storeyCount() > 0 && w.TotalHeight > 0)
            out.emplace_back(e.path().filename().string(), w);
    }
    for (unsigned seed = 1000; seed < 1150; ++seed)
        out.emplace_back("generated wall, seed " + std::to_string(seed), test::generatedWall(seed));
    return out;
}

// The take-off's rows of one storey, by family.
struct StoreyRows {
    int edge = 0, edgeDiameter = 0, web = 0, webDiameter = 0;
    int horizontal = 0, stirrups = 0, ties = 0;
};

struct WallRows {
    StoreyRows foundation;
    std::vector<StoreyRows> storeys;
    int diagonal = 0;
};

WallRows rowsOf(const Wall &w) {
    const WallTakeoff t = takeOffWall(w);
    WallRows r;
    r.storeys.resize(static_cast<std::size_t>(w.storeyCount()));
    std::size_t v = 0;
    const auto &vert = t.table(TableKind::Vertical)->rows;
    if (w.FoundationThickness > 0) {
        r.foundation = {vert[0].count, vert[0].diameter, vert[1].count, vert[1].diameter};
        v = 2;
    }
    std::size_t h = 0;
    const auto &horiz = t.table(TableKind::Horizontal)->rows;
    for (std::size_t i = 0; i < r.storeys.size(); ++i, v += 2) {
        StoreyRows &s = r.storeys[i];
        s.edge = vert[v].count;
        s.edgeDiameter = vert[v].diameter;
        s.web = vert[v + 1].count;
        s.webDiameter = vert[v + 1].diameter;
        if (w.NoEdgeZones == 0) {
            s.stirrups = horiz[h++].count;
            s.ties = t.table(TableKind::Ties)->rows[i].count;
        }
        s.horizontal = horiz[h++].count;
    }
    r.diagonal = t.diagonal ? t.diagonal->count : 0;
    return r;
}

int edgeFaces(const Wall &w) {
    return w.NoEdgeZones != 0 && w.SingleLayerVert != 0 ? 1 : 2;
}
int webFaces(const Wall &w) {
    return w.SingleLayerVert != 0 ? 1 : 2;
}
bool hasEdgeZones(const Wall &w, int i) {
    return w.NoEdgeZones == 0 && w.Storeys[i].EdgeLength > 0;
}

// Whether x (elevation frame) lies in an edge zone of storey frame f, or at an end bar of a
// wall without edge zones.
bool inEdge(const Wall &w, int i, const StoreyFrame &f, float x, int edgeDiameter) {
    // Bars stand one diameter inside the cover line, even in an edge zone of no length.
    const float d = static_cast<float>(edgeDiameter) / 10;
    const float e = w.NoEdgeZones != 0 ? 0 : w.Storeys[i].EdgeLength;
    return x <= std::max(f.xL + e, f.xLc + d) + 0.01f || x >= std::min(f.xR - e, f.xRc - d) - 0.01f;
}

TEST(BarsDrawn, HorizontalSectionsShowEveryCountedVerticalBarAndTheEdgeTies) {
    for (const auto &[name, w] : walls()) {
        SCOPED_TRACE(name);
        const WallRows rows = rowsOf(w);
        for (int i = 0; i < w.horizSectionCount(); ++i) {
            const HorizSection &h = w.HorizSections[i];
            const int k = h.StoreyIndex;
            const StoreyRows &want = rows.storeys[k];
            SCOPED_TRACE("section " + std::to_string(i + 1));
            RecordingSurface s;
            drawHorizontalSection(s, w, i);
            const StoreyFrame f = storeyFrame(w, k, 0);
            const float y0 = horizSectionBase(w, i) + 15;
            int edge = 0, web = 0;
            std::vector<std::pair<float, bool>> dots; // x and whether an edge bar
            for (const RecordedEntity &e : s.ofKind(RecordedEntity::Circle)) {
                if (e.layer != FERRI_EST || e.y1 < y0 || e.y1 > y0 + w.Thickness)
                    continue;
                dots.push_back({e.x1, inEdge(w, k, f, f.xL + e.x1, want.edgeDiameter)});
                if (dots.back().second) {
                    ++edge;
                    EXPECT_FLOAT_EQ(e.radius, want.edgeDiameter / 20.0f);
                } else {
                    ++web;
                    EXPECT_FLOAT_EQ(e.radius, want.webDiameter / 20.0f);
                }
            }
            EXPECT_EQ(edge, want.edge);
            EXPECT_EQ(web, want.web);
            // After the horizontal bars (a loop of 4 strokes, or one line) every FERRI stroke
            // belongs to a tie wire of 11; the edge zones show the ties of one stirrup set.
            std::vector<RecordedEntity> ferri = s.linesOnLayer(FERRI);
            const std::size_t loop = w.SingleLayerHoriz != 0 ? 1 : 4;
            ASSERT_GE(ferri.size(), loop);
            ASSERT_EQ((ferri.size() - loop) % 11, 0u);
            int edgeTies = 0;
            for (std::size_t l = loop; l < ferri.size(); l += 11) {
                // Stroke 2 bends round the near bar the tie holds: the nearest bar dot.
                const float x = ferri[l + 2].x1;
                auto held = std::min_element(dots.begin(), dots.end(), [&](auto &a, auto &b) {
                    return std::abs(a.first - x) < std::abs(b.first - x);
                });
                ASSERT_NE(held, dots.end());
                edgeTies += held->second ? 1 : 0;
            }
            if (w.NoEdgeZones == 0) {
                EXPECT_EQ(edgeTies * stirrupSets(w, k), edgeTieCount(w, k));
            }
        }
    }
}

TEST(BarsDrawn, ElevationShowsEveryCountedBarOfEveryStorey) {
    for (const auto &[name, w] : walls()) {
        SCOPED_TRACE(name);
        const WallRows rows = rowsOf(w);
        RecordingSurface s;
        drawElevation(s, w, 0);
        const auto lines = s.linesOnLayer(FERRI);
        int diagonal = 0;
        for (const RecordedEntity &e : lines)
            if (!near(e.worldX1, e.worldX2) && !near(e.worldY1, e.worldY2))
                ++diagonal;
        EXPECT_EQ(diagonal * 2, rows.diagonal);
        for (int i = 0; i < w.storeyCount(); ++i) {
            SCOPED_TRACE("storey " + std::to_string(i + 1));
            const StoreyRows &want = rows.storeys[i];
            const StoreyFrame f = storeyFrame(w, i, 0);
            const bool edges = hasEdgeZones(w, i);
            const float hx1 = edges ? f.xL3 : f.xL3 + w.Cover;
            const float hx2 = edges ? f.xR3 : f.xR3 - w.Cover;
            // Stirrups close round the edge bars even where a zone is shorter than they need.
            const float reach = 2 * static_cast<float>(want.edgeDiameter) / 10;
            const float sl = std::max(f.xL3, f.xLc + reach), sr = std::min(f.xR3, f.xRc - reach);
            int edge = 0, web = 0, horizontal = 0, stirrups = 0;
            for (const RecordedEntity &e : lines) {
                const float lo = std::min(e.worldY1, e.worldY2);
                if (near(e.worldX1, e.worldX2) && near(lo, f.Y) &&
                    std::max(e.worldY1, e.worldY2) > lo + 0.1f) {
                    ++(inEdge(w, i, f, e.worldX1, want.edgeDiameter) ? edge : web);
                } else if (near(e.worldY1, e.worldY2) && e.worldY1 > f.Y + 0.01f &&
                           e.worldY1 < f.Ytop - 0.01f) {
                    const float a = std::min(e.worldX1, e.worldX2),
                                b = std::max(e.worldX1, e.worldX2);
                    if (near(a, std::min(hx1, hx2)) && near(b, std::max(hx1, hx2)))
                        ++horizontal;
                    else if ((near(a, f.xLc) && near(b, sl)) || (near(a, sr) && near(b, f.xRc)))
                        ++stirrups;
                }
            }
            EXPECT_EQ(edge * edgeFaces(w), want.edge);
            EXPECT_EQ(web * webFaces(w), want.web);
            EXPECT_EQ(horizontal * (w.SingleLayerHoriz != 0 ? 1 : 2), want.horizontal);
            EXPECT_EQ(stirrups, want.stirrups);
        }
        if (w.FoundationThickness > 0) {
            const StoreyFrame f = storeyFrame(w, 0, 0);
            const float yf = w.BaseLevel - w.FoundationThickness + w.Cover;
            int edge = 0, web = 0;
            for (const RecordedEntity &e : lines)
                if (near(e.worldX1, e.worldX2) && near(std::min(e.worldY1, e.worldY2), yf))
                    ++(inEdge(w, 0, f, e.worldX1, rows.foundation.edgeDiameter) ? edge : web);
            EXPECT_EQ(edge * edgeFaces(w), rows.foundation.edge);
            EXPECT_EQ(web * webFaces(w), rows.foundation.web);
        }
    }
}

TEST(BarsDrawn, VerticalSectionsShowTheCountedHorizontalBarsOrStirrupSets) {
    for (const auto &[name, w] : walls()) {
        SCOPED_TRACE(name);
        const WallRows rows = rowsOf(w);
        for (int j = 0; j < w.vertSectionCount(); ++j) {
            const VertSection &v = w.VertSections[j];
            RecordingSurface s;
            drawVerticalSection(s, w, j, 0);
            for (int k = v.StoreyIndex; k < v.TopStorey && k < w.storeyCount(); ++k) {
                SCOPED_TRACE("section " + vertSectionTitle(j) + " storey " + std::to_string(k + 1));
                const StoreyFrame f = storeyFrame(w, k, 0);
                const Storey &st = w.Storeys[k];
                if (!cutInEdgeZone(w, k, j)) {
                    int dots = 0;
                    for (const RecordedEntity &e : s.ofKind(RecordedEntity::Circle))
                        if (e.layer == FERRI_EST && e.y1 > f.Y && e.y1 < f.Ytop) {
                            ++dots;
                            EXPECT_FLOAT_EQ(e.radius, st.HorizDiam / 20.0f);
                        }
                    EXPECT_EQ(dots, rows.storeys[k].horizontal);
                } else if (w.NoEdgeZones == 0) {
                    const float x1 = w.Cover, x2 = w.Thickness - w.Cover;
                    int sets = 0;
                    for (const RecordedEntity &e : s.linesOnLayer(FERRI))
                        if (near(e.worldY1, e.worldY2) && e.worldY1 > f.Y && e.worldY1 < f.Ytop &&
                            near(std::min(e.worldX1, e.worldX2), x1) &&
                            near(std::max(e.worldX1, e.worldX2), x2))
                            ++sets;
                    EXPECT_EQ(2 * sets, rows.storeys[k].stirrups);
                }
            }
        }
    }
}

} // namespace
} // namespace murcad

namespace murcad {
namespace {

TEST(ZeroLengthLines, NoRoutineDrawsALineOfNoLength) {
    // Generated walls, and the same walls with laps of no length and bars on the faces.
    for (unsigned seed = 2000; seed < 2100; ++seed) {
        Wall w = test::generatedWall(seed);
        for (int variant = 0; variant < 3; ++variant) {
            if (variant == 1)
                w.LapFactor = 0;
            if (variant == 2)
                w.Cover = 0;
            RecordingSurface s;
            redraw(s, w);
            for (const RecordedEntity &e : s.entities)
                if (e.kind == RecordedEntity::Line) {
                    ASSERT_FALSE(e.x1 == e.x2 && e.y1 == e.y2)
                        << "seed " << seed << " variant " << variant << " layer " << e.layer
                        << " at " << e.x1 << ", " << e.y1;
                }
        }
    }
}

} // namespace
} // namespace murcad
