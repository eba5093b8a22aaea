// Dimensions and bar labels: geometry dimensions, bar legs with lengths, bar descriptions.
#include "draw/dimensions.h"

#include "draw/text.h"
#include "geometry/numbers.h"

#include <cmath>
#include <string>

namespace murcad {

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kTwoPi = 6.28318530717959f;

// Angle of a DXF line given left to right: up to 2π, straight up for a vertical line.
float dxfLineAngle(float x1, float y1, float x2, float y2) {
    float a = (x2 - x1 > 0.001f) ? std::atan((y2 - y1) / (x2 - x1)) : 1.5707964f;
    if (a < 0)
        a += kTwoPi;
    return a;
}

// Angle of a screen figure: the world slope, turned so that the text never reads downwards.
float screenFigureAngle(float x1, float y1, float x2, float y2) {
    float a = (x2 - x1 > 0.001f) ? std::atan((y2 - y1) / (x2 - x1)) : kPi / 2;
    if (a < -1.04f)
        a += kPi;
    return a;
}

// Estimated pixel width of a figure of n characters at angle a with character width w.
float figureWidth(std::string_view f, float a, float w) {
    float n = static_cast<float>(f.size());
    float sa = std::sin(a);
    bool oneDecimal = f.find('.') != std::string_view::npos;
    if (oneDecimal)
        return (2 * sa + w + 1) * (n - 1) + 3 - sa;
    return (1.5f * sa + w - 1) * n + (sa + 2) * (n - 1);
}

// Line, optional ticks and circles, and the figure of a screen dimension. side < 0 puts the
// figure on the other side of the line.
void screenMeasuredLine(Surface &s, float x1, float y1, float x2, float y2, float size,
                        int lineLayer, int textLayer, bool ticks, int side,
                        const std::string &figure) {
    int h = pixelRound(s.viewScale() * size);
    int w = pixelRound(0.4f * h);
    float p1x = s.screenX(x1), p1y = s.screenY(y1);
    float p2x = s.screenX(x2), p2y = s.screenY(y2);
    float a = screenFigureAngle(x1, y1, x2, y2);
    float sa = std::sin(a), ca = std::cos(a);
    s.screenLine(p1x, p1y, p2x, p2y, lineLayer);
    if (ticks) {
        float hx = 0.5f * h * sa, hy = 0.5f * h * ca;
        s.screenLine(p1x - hx, p1y - hy, p1x + hx, p1y + hy, lineLayer);
        s.screenLine(p2x - hx, p2y - hy, p2x + hx, p2y + hy, lineLayer);
        s.screenCircle(p1x, p1y, 0.5f * s.viewScale(), lineLayer);
        s.screenCircle(p2x, p2y, 0.5f * s.viewScale(), lineLayer);
    }
    float e = figureWidth(figure, a, static_cast<float>(w));
    float fit = s.pixelTwips() * e / 10 * (0.13f * ca + 0.72f);
    float d = distance(x1, y1, x2, y2);
    float k = (s.viewScale() * d >= fit) ? 1.05f : 1.5f;
    float mx = (p1x + p2x) / 2 - e * ca / 2;
    float my = (p1y + p2y) / 2 + e * sa / 2;
    float tx, ty;
    if (side >= 0) {
        tx = mx - k * h * sa;
        ty = my - (k == 1.05f ? 1.0f : 1.5f) * h * ca;
    } else {
        // Mirror of the stand-off: the text's top edge lies just off the line.
        tx = mx + (k - 1.0f) * h * sa;
        ty = my + (k - 1.0f) * h * ca;
    }
    s.screenText(pixelRound(tx), pixelRound(ty), h, w, pixelRound(a * 57.2957795f), figure,
                 textLayer);
}

} // namespace

void dxfDimensionLine(Surface &s, std::string_view text, float x1, float y1, float x2, float y2,
                      int lineLayer, int textLayer, float height) {
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    float a = dxfLineAngle(x1, y1, x2, y2);
    s.dxfLine(x1, y1, x2, y2, lineLayer, ByLayer);
    s.dxfText((x1 + x2) / 2 - 0.8f * height * std::sin(a),
              (y1 + y2) / 2 + 0.8f * height * std::cos(a), text, textLayer, a * 57.2957795f, height,
              1);
}

void dxfDimension(Surface &s, float x1, float y1, float x2, float y2, int layer) {
    float d = distance(x1, y1, x2, y2);
    if (!(d >= 0.001f))
        return;
    std::string figure = dimensionFigure(d);
    float ax = s.dxfX(x1), ay = s.dxfY(y1), bx = s.dxfX(x2), by = s.dxfY(y2);
    if (ax > bx) {
        std::swap(ax, bx);
        std::swap(ay, by);
    }
    float a = (bx - ax > 0.001f) ? std::atan((by - ay) / (bx - ax)) : -1.570796326795f;
    if (a < 0)
        a += kTwoPi;
    float t = 6.5f * s.dxfScale();
    float ts = t * std::sin(a), tc = t * std::cos(a);
    s.dxfLine(ax + ts, ay - tc, ax - ts, ay + tc, layer, ByLayer);
    s.dxfLine(bx + ts, by - tc, bx - ts, by + tc, layer, ByLayer);
    s.dxfCircle(ax, ay, 1.2f * s.dxfScale(), layer);
    s.dxfCircle(bx, by, 1.2f * s.dxfScale(), layer);
    dxfDimensionLine(s, figure, ax, ay, bx, by, layer, TESTO_QUOTE, 5 * s.dxfScale());
}

void screenDimension(Surface &s, float x1, float y1, float x2, float y2, float size, int layer) {
    float d = distance(x1, y1, x2, y2);
    if (!(d >= 0.001f))
        return;
    screenMeasuredLine(s, x1, y1, x2, y2, size, layer, TESTO_QUOTE, true, 0, dimensionFigure(d));
}

void drawDimension(Surface &s, float x1, float y1, float x2, float y2) {
    if (s.isDxf())
        dxfDimension(s, x1, y1, x2, y2, QUOTE);
    else
        screenDimension(s, x1, y1, x2, y2, 12, QUOTE);
}

int drawBarDimension(Surface &s, float x1, float y1, float x2, float y2, int side) {
    float d = distance(x1, y1, x2, y2);
    if (!(d >= 0.1f) || !std::isfinite(d))
        return 0;
    int length = static_cast<int>(roundHalfEven(d));
    std::string figure = formatNumber(d, 0);
    if (s.isDxf()) {
        float ax = s.dxfX(x1), ay = s.dxfY(y1), bx = s.dxfX(x2), by = s.dxfY(y2);
        if (ax > bx) {
            std::swap(ax, bx);
            std::swap(ay, by);
        }
        float a = dxfLineAngle(ax, ay, bx, by);
        float h = 5 * s.dxfScale();
        float sgn = side < 0 ? -1.0f : 1.0f;
        s.dxfLine(ax, ay, bx, by, FERRI_EST, ByLayer);
        s.dxfText((ax + bx) / 2 - 0.8f * h * sgn * std::sin(a),
                  (ay + by) / 2 + 0.8f * h * sgn * std::cos(a), figure, TESTO_FERRI,
                  a * 57.2957795f, h, 1);
    } else {
        // On screen the leg and its figure are both in the text colour.
        screenMeasuredLine(s, x1, y1, x2, y2, 8, TESTO_FERRI, TESTO_FERRI, false, side, figure);
    }
    return length;
}

void drawBarShape(Surface &s, float x1, float y1, float x2, float y2, float offset, int diameter,
                  float spacing) {
    int leg = drawBarDimension(s, x1, y1, x2, y2, -1);
    float total = offset + static_cast<float>(leg);
    float a = (x2 - x1 > 0.001f) ? std::atan((y1 - y2) / (x1 - x2)) : kPi / 2;
    if (a < -1.04f)
        a += kPi;
    std::string text = "1" + std::string(diameterSign(s)) + std::to_string(diameter) + "/" +
                       plainNumber(spacing) + " L=" + formatNumber(total, 0);
    float mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    float sa = std::sin(a), ca = std::cos(a);
    if (s.isDxf()) {
        float h = 5.5f * s.dxfScale();
        s.dxfText(s.dxfX(mx) - 0.8f * h * sa, s.dxfY(my) + 0.8f * h * ca, text, TESTO_POSIZIONI,
                  a * 57.2957795f, h, 1);
    } else {
        int h = pixelRound(s.viewScale() * 8);
        int w = pixelRound(0.4f * h);
        // Centred along the leg, standing on its normal side.
        float e = static_cast<float>(text.size()) * w;
        float tx = s.screenX(mx) - e * ca / 2 - 1.05f * h * sa;
        float ty = s.screenY(my) + e * sa / 2 - 1.05f * h * ca;
        s.screenText(pixelRound(tx), pixelRound(ty), h, w, pixelRound(a * 57.2957795f), text,
                     TESTO_POSIZIONI);
    }
}

void drawBarLabel(Surface &s, float x1, float y1, float x2, float y2, float dx, float dy,
                  float spacing, int diameter, LabelLayers layers) {
    float px = x1 + dx, py = y1 + dy;
    bool skipFirst =
        (y1 - y2 >= 0.00001f) ? layers.SingleLayerVert != 0 : layers.SingleLayerHoriz != 0;
    if (!skipFirst)
        s.drawLine(x1, y1, px, py, QUOTE, ByLayer);
    s.drawLine(x2, y2, px, py, QUOTE, ByLayer);
    float textX;
    if (dx <= 0) {
        s.drawLine(px - 26, py, px, py, QUOTE, ByLayer);
        textX = px - 26;
    } else {
        s.drawLine(px + 26, py, px, py, QUOTE, ByLayer);
        textX = px;
    }
    std::string sign(diameterSign(s));
    std::string text;
    if (spacing > 0)
        text = sign + std::to_string(diameter) + "/" + plainNumber(floorToHalf(spacing));
    else
        text = (layers.SingleLayerVert ? "1" : "2") + sign + std::to_string(diameter);
    if (s.isDxf()) {
        float h = 5.2f * s.dxfScale();
        s.dxfText(s.dxfX(textX), s.dxfY(py) + 0.8f * h, text, TESTO_POSIZIONI, 0, h, 0);
    } else {
        int h = pixelRound(s.viewScale() * 8);
        int w = pixelRound(0.4f * h);
        s.screenText(pixelRound(s.screenX(textX)), pixelRound(s.screenY(py) - h), h, w, 0, text,
                     TESTO_POSIZIONI);
    }
}

} // namespace murcad
