// Bars crossing a section: bar dots, rows of edge-zone bars, web rows and the ties between faces.
#include "drawings/bar_rows.h"

#include "drawings/elevation_parts.h"
#include "geometry/bar_geometry.h"
#include "geometry/numbers.h"

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

bool alternateTie(int k, int n, bool edgeRow) {
    if (k < 2 || k > n - 1)
        return false;
    if (n % 2 == 1)
        return k % 2 == 0;
    int half = n / 2;
    if (k <= half)
        return k % 2 == 0 || (edgeRow && k == half);
    return k % 2 == 1;
}

BarRowResult drawBarRow(Surface &s, Point start, Point end, int n, int diameterMm, int tieCount,
                        float u, bool fromEnd) {
    BarRowResult res;
    if (n <= 0)
        return res;
    const float dist = distance(start.x, start.y, end.x, end.y);
    const float y = start.y;
    if (n == 1) {
        // One bar stands in the middle of its row.
        float x = (start.x + end.x) / 2;
        drawBarDot(s, x, y, diameterMm);
        drawBarDot(s, x, y + u, diameterMm);
        res.hasMiddle = true;
        res.middle = {x, y};
        return res;
    }
    const float step = dist / static_cast<float>(n - 1);
    const float dir = fromEnd ? -1.0f : 1.0f;
    const float origin = fromEnd ? end.x : start.x;
    auto barX = [&](int j) { return origin + dir * static_cast<float>(j) * step; };
    for (int j = 0; j < n; ++j) {
        float x = start.x + static_cast<float>(j) * step;
        drawBarDot(s, x, y, diameterMm);
        drawBarDot(s, x, y + u, diameterMm);
        if (j + 1 == n / 2) {
            res.hasMiddle = true;
            res.middle = {x, y};
        }
    }
    if (tieCount == 0) {
        for (int j = 0; j < n; ++j)
            if (alternateTie(j + 1, n, true))
                drawTie(s, {barX(j), y}, {barX(j), y + u});
    } else if (tieCount == n) {
        for (int j = 1; j <= n - 2; ++j)
            drawTie(s, {barX(j), y}, {barX(j), y + u});
    } else if (tieCount > 2) {
        // Ties spread evenly: a bar takes a tie once it lies past the next tie position.
        const float t = dist / static_cast<float>(tieCount - 1);
        float next = t;
        int drawn = 0;
        for (int j = 1; j <= n - 1 && drawn < tieCount - 2; ++j) {
            float along = static_cast<float>(j) * step;
            if (along > next) {
                drawTie(s, {barX(j), y}, {barX(j), y + u});
                ++drawn;
                next += t;
            }
        }
    }
    res.spacing = static_cast<float>(roundHalfEven(step * 10.0f) / 10.0);
    return res;
}

void drawWebRow(Surface &s, const Wall &wall, Point start, Point end, float spacing, int diameterMm,
                float u, int tieArg) {
    if (!(spacing > 0) || !std::isfinite(spacing))
        return;
    const float lw = distance(start.x, start.y, end.x, end.y) - 2 * wall.Cover;
    if (!(lw > 0))
        return;
    const float whole = std::floor(lw / spacing);
    if (whole < 1)
        return;
    std::vector<float> p;
    if (whole < 2)
        p.push_back(lw / 2);
    else
        p = spacedOffsets(lw, spacing);
    const int n = static_cast<int>(p.size());
    const bool rowDrawn = !(wall.NoEdgeZones != 0 && wall.SingleLayerVert != 0);
    for (int i = 0; i < n; ++i) {
        float x = start.x + (end.x - start.x) * p[i] / lw;
        float y = start.y + (end.y - start.y) * p[i] / lw;
        if (rowDrawn)
            drawBarDot(s, x, y, diameterMm);
        drawBarDot(s, x, y + u, diameterMm);
        if (tieArg == 0 || wall.NoEdgeZones != 0 || !alternateTie(i + 1, n, false))
            continue;
        if (tieArg >= 1)
            drawTie(s, {x, y}, {x, y + u});
        else
            s.drawLine(x + 1, y, x + 1, y + u, FERRI, ByLayer);
    }
}

int webTieArgument(const Storey &st) {
    float spacing = st.TieSpacingSet > 0 ? st.TieSpacingSet
                                         : tieSpacing(floorToHalf(st.HorizSpacing), st.DiamA);
    return (spacing > 0 && std::isfinite(spacing)) ? 1 : 0;
}

} // namespace murcad
