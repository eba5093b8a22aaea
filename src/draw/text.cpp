// Text helpers shared by the drawing routines: pixel rounding, the diameter sign, plain numbers.
#include "draw/text.h"

#include "geometry/numbers.h"

#include <cmath>

namespace murcad {

int pixelRound(float v) {
    constexpr float kFar = 1.0e8f;
    if (!std::isfinite(v))
        return v < 0 ? -static_cast<int>(kFar) : static_cast<int>(kFar);
    if (v > kFar)
        return static_cast<int>(kFar);
    if (v < -kFar)
        return -static_cast<int>(kFar);
    return static_cast<int>(roundHalfEven(v));
}

std::string_view diameterSign(const Surface &s) {
    return s.isDxf() ? "%%c" : "\xC3\x98";
}

std::string plainNumber(float v) {
    std::string t = formatNumber(v, 2);
    if (t.find('.') != std::string::npos) {
        while (!t.empty() && t.back() == '0')
            t.pop_back();
        if (!t.empty() && t.back() == '.')
            t.pop_back();
    }
    if (t == "-0")
        t = "0";
    return t;
}

std::string dimensionFigure(float d) {
    float frac = d - std::floor(d);
    if (frac < 0.1f || frac > 0.9f)
        return formatNumber(d, 0);
    return formatNumber(d, 1);
}

void screenWorldText(Surface &s, float x, float y, std::string_view text, int layer, float heightCm,
                     float angleDeg, float widthFactor) {
    if (s.isDxf())
        return;
    int h = pixelRound(s.viewScale() * heightCm);
    int w = pixelRound(widthFactor * h);
    s.screenText(pixelRound(s.screenX(x)), pixelRound(s.screenY(y)), h, w, pixelRound(angleDeg),
                 text, layer);
}

void dxfWorldText(Surface &s, float x, float y, std::string_view text, int layer, float heightCm,
                  int hAlign, float angleDeg, float dyUnits) {
    if (!s.isDxf())
        return;
    s.dxfText(s.dxfX(x), s.dxfY(y) + dyUnits, text, layer, angleDeg, heightCm * s.dxfScale(),
              hAlign);
}

} // namespace murcad
