// Bars crossing a section: bar dots and the ties between the faces.
#include "drawings/bar_rows.h"

#include "geometry/bar_geometry.h"

#include <cmath>

namespace murcad {

void drawBarDot(Surface &s, float x, float y, int diameterMm) {
    float r = static_cast<float>(diameterMm) / 20;
    if (s.isDxf()) {
        float cx = s.dxfX(x), cy = s.dxfY(y), k = s.dxfScale();
        s.dxfCircle(cx, cy, k * r, FERRI_EST);
        s.dxfLine(cx - 2 * k, cy, cx + 2 * k, cy, QUOTE, ByLayer);
        s.dxfLine(cx, cy - 2 * k, cx, cy + 2 * k, QUOTE, ByLayer);
    } else {
        float cx = s.screenX(x), cy = s.screenY(y), k = 1.5f * s.viewScale();
        s.screenLine(cx - k, cy, cx + k, cy, QUOTE);
        s.screenLine(cx, cy - k, cx, cy + k, QUOTE);
        s.screenCircle(cx, cy, s.viewScale() * r, FERRI_EST);
    }
}

void drawTie(Surface &s, Point a, Point b) {
    TieWire w = tieShape(a, b);
    for (int i = 1; i < 12; ++i)
        s.drawLine(w.points[i - 1].x, w.points[i - 1].y, w.points[i].x, w.points[i].y, FERRI,
                   ByLayer);
}

} // namespace murcad
