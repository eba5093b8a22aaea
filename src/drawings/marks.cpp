// Level marks and the marks of horizontal and vertical section cuts.
#include "drawings/marks.h"

#include "draw/text.h"
#include "geometry/numbers.h"

namespace murcad {

std::string levelText(float value) {
    std::string t = formatNumber(value, 1);
    return value >= 0 ? "+" + t : t;
}

void levelMark(Surface &s, float x, float y, float value, int side) {
    s.drawLine(x, y, x, y + 11, QUOTE, ByLayer);
    s.drawLine(x, y, x + 8, y + 6, QUOTE, ByLayer);
    s.drawLine(x - 8, y + 6, x + 8, y + 6, QUOTE, ByLayer);
    float left = side == 1 ? x - 25 : x;
    if (side == 1)
        s.drawLine(x - 25, y + 11, x, y + 11, QUOTE, ByLayer);
    else
        s.drawLine(x + 25, y + 11, x, y + 11, QUOTE, ByLayer);
    s.drawLine(x - 10, y, x + 10, y, QUOTE, ByLayer);
    std::string text = levelText(value);
    if (s.isDxf()) {
        float small = 5 * s.dxfScale();
        s.dxfText(s.dxfX(left), s.dxfY(y + 11) + s.dxfScale() + small, text, TESTO_POSIZIONI, 0,
                  small, 0);
    } else {
        float vs = s.viewScale();
        // The figure stands clear above its leader: its top 13 cm above it.
        s.screenText(pixelRound(s.screenX(left)), pixelRound(s.screenY(y + 11) - 13 * vs),
                     pixelRound(vs * 10), pixelRound(vs * 4), 0, text, TESTO_POSIZIONI);
    }
}

namespace {
// A name of a cut mark: DXF anchor (dx, dy) and screen top-left (sx, sy), both world points.
void cutName(Surface &s, std::string_view name, float dx, float dy, float sx, float sy) {
    if (s.isDxf())
        dxfWorldText(s, dx, dy, name, TESTO_POSIZIONI, 5.5f, 0);
    else
        screenWorldText(s, sx, sy, name, TESTO_POSIZIONI, 10);
}
} // namespace

void horizCutMark(Surface &s, float x1, float y1, float x2, float y2, std::string_view name) {
    s.drawLine(x1 - 7, y1, x1 + 30, y1, SEZIONI, Dashed);
    s.drawLine(x1 - 7, y1, x1 - 7, y1 - 10, SEZIONI, ByLayer);
    s.drawLine(x1 - 7, y1 - 10, x1 - 12, y1 - 5, SEZIONI, ByLayer);
    s.drawLine(x1 - 7, y1 - 10, x1 - 2, y1 - 5, SEZIONI, ByLayer);
    s.drawLine(x2 + 7, y2, x2 - 30, y2, SEZIONI, Dashed);
    s.drawLine(x2 + 7, y2, x2 + 7, y2 - 10, SEZIONI, ByLayer);
    s.drawLine(x2 + 7, y2 - 10, x2 + 12, y2 - 5, SEZIONI, ByLayer);
    s.drawLine(x2 + 7, y2 - 10, x2 + 2, y2 - 5, SEZIONI, ByLayer);
    cutName(s, name, x1 - 16, y1 + 6, x1 - 10, y1 + 10);
    cutName(s, name, x2 + 2, y2 + 6, x2 + 4, y2 + 10);
}

void vertCutMark(Surface &s, float x1, float y1, float x2, float y2, std::string_view name) {
    // Bottom end: stub along the cut overhanging 7, tick of 10 to the right, arrowhead.
    s.drawLine(x1, y1 - 7, x1, y1 + 28, SEZIONI, Dashed);
    s.drawLine(x1, y1 - 7, x1 + 10, y1 - 7, SEZIONI, ByLayer);
    s.drawLine(x1 + 10, y1 - 7, x1 + 5, y1 - 12, SEZIONI, ByLayer);
    s.drawLine(x1 + 10, y1 - 7, x1 + 5, y1 - 2, SEZIONI, ByLayer);
    // Top end, mirrored.
    s.drawLine(x2, y2 + 7, x2, y2 - 28, SEZIONI, Dashed);
    s.drawLine(x2, y2 + 7, x2 + 10, y2 + 7, SEZIONI, ByLayer);
    s.drawLine(x2 + 10, y2 + 7, x2 + 5, y2 + 12, SEZIONI, ByLayer);
    s.drawLine(x2 + 10, y2 + 7, x2 + 5, y2 + 2, SEZIONI, ByLayer);
    // On screen the names stand beside the arrows, clear of the dimension under the wall.
    // The bottom name stands left of the stub, clear of the figure of the length dimension
    // under the wall (the default cut runs through its middle).
    cutName(s, name, x1 - 20, y1 - 8, x1 + 13, y1 - 2);
    cutName(s, name, x2 - 10, y2 + 6, x2 + 13, y2 + 17);
}

} // namespace murcad
