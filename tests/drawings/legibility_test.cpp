// Texts of every example sheet stay legible, in DXF units and at the fitted view on screen: no
// two texts overlap and no line crosses a text.
#include "draw/recording_surface.h"
#include "drawings/sheet.h"
#include "geometry/view.h"
#include "model/wall_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace murcad {
namespace {

struct Box {
    float x1, y1, x2, y2;
    std::string text;
};

// Characters a text shows: the DXF diameter code and a UTF-8 sequence count as one.
int glyphs(const std::string &t) {
    int n = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t.compare(i, 3, "%%c") == 0)
            i += 2;
        else if ((static_cast<unsigned char>(t[i]) & 0xC0) == 0x80)
            continue;
        ++n;
    }
    return n;
}

// The box a text covers, as the bounding box of its turned rectangle. Along the text: from
// `along0` to `along1` from the anchor; across it: from `across0` to `across1` (upwards in the
// text's own frame).
Box turnedBox(float x, float y, float angleDeg, float along0, float along1, float across0,
              float across1, const std::string &text) {
    const float a = angleDeg * 3.14159265f / 180, c = std::cos(a), s = std::sin(a);
    float xs[4], ys[4];
    int k = 0;
    for (float u : {along0, along1})
        for (float v : {across0, across1}) {
            xs[k] = x + u * c - v * s;
            ys[k] = y + u * s + v * c;
            ++k;
        }
    return {*std::min_element(xs, xs + 4), *std::min_element(ys, ys + 4),
            *std::max_element(xs, xs + 4), *std::max_element(ys, ys + 4), text};
}

// On screen, texts below this height (pixels) are specks nobody reads; they are not checked.
constexpr float kReadablePx = 6;

// Text boxes, shrunk by 15% of the text height on every side (the glyph widths are estimates).
std::vector<Box> textBoxes(const RecordingSurface &s) {
    std::vector<Box> out;
    for (const RecordedEntity &e : s.entities) {
        if (e.kind == RecordedEntity::Text) {
            // DXF: middle vertical alignment, justification 0 left, 1 centred, 2 right.
            const float h = e.height, len = 0.6f * h * glyphs(e.text);
            const float start = e.hAlign == 1 ? -len / 2 : e.hAlign == 2 ? -len : 0;
            const float m = 0.15f * h;
            out.push_back(turnedBox(e.x1, e.y1, e.angle, start + m, start + len - m, -h / 2 + m,
                                    h / 2 - m, e.text));
        } else if (e.kind == RecordedEntity::ScreenText && e.height >= kReadablePx) {
            // Screen: top-left corner, y down; turned anticlockwise about that corner.
            const float h = e.height, len = static_cast<float>(e.widthPx) * glyphs(e.text);
            const float m = 0.15f * h;
            Box b = turnedBox(e.x1, -e.y1, e.angle, m, len - m, -h + m, -m, e.text);
            out.push_back({b.x1, -b.y2, b.x2, -b.y1, e.text});
        }
    }
    return out;
}

bool overlap(const Box &a, const Box &b) {
    return a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2;
}

// Whether the segment crosses the inside of the box (Liang-Barsky clipping).
bool crosses(const Box &b, float x1, float y1, float x2, float y2) {
    float t0 = 0, t1 = 1;
    const float dx = x2 - x1, dy = y2 - y1;
    const float p[4] = {-dx, dx, -dy, dy};
    const float q[4] = {x1 - b.x1, b.x2 - x1, y1 - b.y1, b.y2 - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] <= 0)
                return false;
        } else {
            float t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
        }
    }
    return t0 < t1;
}

void expectLegible(const RecordingSurface &s, const std::string &where) {
    const std::vector<Box> boxes = textBoxes(s);
    int overlaps = 0, crossed = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            if (overlap(boxes[i], boxes[j]) && overlaps++ < 10)
                ADD_FAILURE() << where << ": \"" << boxes[i].text << "\" overlaps \""
                              << boxes[j].text << "\" at " << boxes[i].x1 << ", " << boxes[i].y1;
    for (const RecordedEntity &e : s.entities) {
        if (e.kind != RecordedEntity::Line && e.kind != RecordedEntity::ScreenLine)
            continue;
        for (const Box &b : boxes)
            if (crosses(b, e.x1, e.y1, e.x2, e.y2) && crossed++ < 10)
                ADD_FAILURE() << where << ": a line on layer " << e.layer << " crosses \"" << b.text
                              << "\" at " << b.x1 << ", " << b.y1;
    }
    EXPECT_EQ(overlaps, 0) << where;
    EXPECT_EQ(crossed, 0) << where;
}

std::vector<std::string> examples() {
    std::vector<std::string> out;
    for (const auto &e : std::filesystem::directory_iterator(MURCAD_EXAMPLES_DIR))
        if (e.path().extension() == ".PAR")
            out.push_back(e.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

TEST(Legibility, NoTextOfAnExampleSheetOverlapsAnotherOrIsCrossedByALine) {
    for (const std::string &f : examples()) {
        Wall w;
        if (!loadWall(f, w).ok() || !(w.TotalHeight > 0))
            continue;
        const std::string name = std::filesystem::path(f).filename().string();
        RecordingSurface dxf(true);
        dxf.DxfScale = 1.0f / 25; // the default scale, 1:25
        redraw(dxf, w);
        expectLegible(dxf, name + " (DXF)");

        // The whole sheet fitted in a full-HD window, and the same view eight times closer.
        for (float zoom : {1.0f, 8.0f}) {
            RecordingSurface screen(false);
            screen.view.BoxWidthPx = 1920 * zoom;
            screen.view.BoxHeightPx = 1080 * zoom;
            fitSheet(screen.view, computeSheetExtents(w));
            redraw(screen, w);
            expectLegible(screen, name + " (screen, fitted, zoom " + std::to_string(zoom) + ")");
        }
    }
}

TEST(SheetExtents, CoverEverythingEveryExampleDraws) {
    for (const std::string &f : examples()) {
        Wall w;
        if (!loadWall(f, w).ok() || !(w.TotalHeight > 0))
            continue;
        const SheetExtents e = computeSheetExtents(w);
        RecordingSurface s(true);
        redraw(s, w);
        for (const RecordedEntity &r : s.entities)
            for (auto [x, y] : {std::pair{r.x1, r.y1}, std::pair{r.x2, r.y2}}) {
                ASSERT_TRUE(x >= e.SheetLeft && x <= e.SheetRight && y >= e.SheetBottom &&
                            y <= e.SheetTop)
                    << f << ": " << x << ", " << y << " outside " << e.SheetLeft << ".."
                    << e.SheetRight << " x " << e.SheetBottom << ".." << e.SheetTop;
                if (r.kind != RecordedEntity::Line)
                    break; // circles and texts: the anchor only
            }
    }
}

} // namespace
} // namespace murcad
