// The elevation's drawing routines: bar rows, laps, ties, stirrups, web mesh and spacings.
#include "drawings/elevation_parts.h"

#include "geometry/numbers.h"

#include <cmath>

namespace murcad {

namespace {
// No family of bars or lines is drawn with more members than this: a spacing read from a
// damaged file must not stall the drawing.
constexpr int kMaxLines = 5000;

bool positive(float s) {
    return std::isfinite(s) && s > 0;
}
} // namespace

std::vector<float> spacedOffsets(float ln, float s) {
    std::vector<float> p;
    if (!positive(s) || !std::isfinite(ln) || ln < 0)
        return p;
    float q = ln / s;
    if (q > kMaxLines)
        return p;
    float r = (q - std::floor(q)) * s * 0.5f;
    // Bars closer than 2 cm to the ends would sit on the bars beyond them: drop one and
    // share the longer remainder.
    if (r < 2.0f && q >= 1.0f) {
        float k = std::floor(q) - 1;
        r = (ln - k * s) * 0.5f;
    }
    // A small tolerance keeps the last bar when the remainder is shared exactly.
    float last = ln - r + 0.001f;
    for (float t = r; t <= last && static_cast<int>(p.size()) < kMaxLines; t += s)
        p.push_back(t);
    return p;
}

std::vector<float> spreadPositions(float x1, float x2, float s, float c) {
    std::vector<float> xs;
    if (!positive(s))
        return xs;
    float ln = std::abs(x2 - x1) - 2 * c;
    double m = roundHalfEven(ln / s);
    if (m < 2 || !(ln > 0)) {
        xs.push_back((x1 + x2) / 2);
        return xs;
    }
    for (float p : spacedOffsets(ln, s))
        xs.push_back(x1 + (x2 - x1) * p / ln);
    return xs;
}

std::vector<float> evenFromBottom(float y1, float y2, float s) {
    std::vector<float> ys;
    float h = std::abs(y2 - y1);
    if (!positive(s) || !std::isfinite(h) || h / s > kMaxLines)
        return ys;
    if (roundHalfEven(h / s) < 1)
        return ys;
    float q = h / s;
    float rr = (q - std::floor(q)) * s;
    float last = h - rr + 0.001f;
    for (float t = 0; t <= last; t += s)
        ys.push_back(y1 + (y2 - y1) * t / h);
    return ys;
}

std::vector<float> barRowPositions(float x1, float x2, int count, int diamMm) {
    std::vector<float> xs;
    if (count <= 0 || count > kMaxLines)
        return xs;
    float d = static_cast<float>(diamMm) / 10;
    float xa = x1 + d, xb = x2 - d;
    if (count == 1) {
        xs.push_back((xa + xb) / 2);
        return xs;
    }
    float step = (xb - xa) / static_cast<float>(count - 1);
    for (int k = 0; k < count; ++k)
        xs.push_back(xa + static_cast<float>(k) * step);
    return xs;
}

void edgeBarRow(Surface &s, float x1, float y1, float x2, float y2, int count, int diamMm,
                float trim) {
    for (float x : barRowPositions(x1, x2, count, diamMm))
        s.drawLine(x, y1, x, y2 - trim, FERRI, ByLayer);
}

void lapBarRow(Surface &s, float x1, float y1, float x2, float y2, int count, int diamMm) {
    for (float x : barRowPositions(x1, x2, count, diamMm))
        s.drawLine(x, y1, x, y2, FERRI, ByLayer);
}

void foundationEdgeBars(Surface &s, float x1, float y1, float x2, float y2, int count, int diamMm) {
    for (float x : barRowPositions(x1, x2, count, diamMm))
        s.drawLine(x, y1, x, y2, FERRI, ByLayer);
    s.drawLine(x1, y1, x2, y1, FERRI, ByLayer);
    s.drawLine(x1, y2, x2, y2, FERRI, ByLayer);
}

void edgeTies(Surface &s, float x1, float y1, float x2, float y2, float spacing) {
    if (std::abs(y1 - y2) > 0.0001f) {
        s.drawLine(x1, y1, x2, y1, FERRI, ByLayer);
        if (spacing > 0)
            for (float y : evenFromBottom(y1, y2, spacing))
                s.drawLine(x1, y, x2, y, FERRI, ByLayer);
    }
    s.drawLine(x1, y2, x2, y2, FERRI, ByLayer);
}

void edgeStirrups(Surface &s, float x1, float y1, float x2, float y2, float spacing) {
    s.drawLine(x1, y1, x2, y1, FERRI, ByLayer);
    s.drawLine(x1, y2, x2, y2, FERRI, ByLayer);
    for (float y : evenFromBottom(y1, y2, spacing))
        s.drawLine(x1, y, x2, y, FERRI, ByLayer);
}

void webMesh(Surface &s, float x1, float y1, float x2, float y2, float spacingH, float spacingV,
             const WebWindow &w, float cover, bool noEdgeZones) {
    float xa = noEdgeZones ? x1 + cover : x1;
    float xb = noEdgeZones ? x2 - cover : x2;
    s.drawLine(xa, y1, xb, y1, FERRI, ByLayer);
    s.drawLine(xa, y2, xb, y2, FERRI, ByLayer);
    if (w.on)
        s.drawLine(x1, w.y1, x2, w.y1, FERRI, ByLayer);
    std::vector<float> xs = spreadPositions(x1, x2, spacingV, cover);
    bool single = xs.size() == 1;
    for (float x : xs) {
        if (w.on && !single && (x <= w.x1 || x >= w.x2)) {
            s.drawLine(x, y1, x, w.y1, FERRI, ByLayer);
            s.drawLine(x, w.y2, x, y2, FERRI, ByLayer);
        } else {
            s.drawLine(x, y1, x, y2, FERRI, ByLayer);
        }
    }
    for (float y : evenFromBottom(y1, y2, spacingH)) {
        if (w.on && y >= w.y1 && y <= w.y2) {
            s.drawLine(x1, y, w.x1, y, FERRI, ByLayer);
            s.drawLine(w.x2, y, x2, y, FERRI, ByLayer);
        } else {
            s.drawLine(x1, y, x2, y, FERRI, ByLayer);
        }
    }
}

void webLaps(Surface &s, float x1, float y1, float x2, float y2, float spacingV, const WebWindow &w,
             float cover) {
    std::vector<float> xs = spreadPositions(x1, x2, spacingV, cover);
    bool single = xs.size() == 1;
    for (float x : xs) {
        if (w.on && !single && (x <= w.x1 || x >= w.x2)) {
            if (std::abs(w.y2 - w.y1) > 0.1f)
                s.drawLine(x, w.y1, x, w.y2, FERRI, ByLayer);
        } else {
            s.drawLine(x, y1, x, y2, FERRI, ByLayer);
        }
    }
}

void foundationWeb(Surface &s, float x1, float y1, float x2, float y2, float spacingV,
                   float cover) {
    s.drawLine(x1, y1, x2, y1, FERRI, ByLayer);
    s.drawLine(x1, y2, x2, y2, FERRI, ByLayer);
    for (float x : spreadPositions(x1, x2, spacingV, cover))
        s.drawLine(x, y1, x, y2, FERRI, ByLayer);
}

} // namespace murcad
