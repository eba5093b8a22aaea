// A measuring surface: the bounding rectangle of everything the sheet draws.
#include "sheets/drawn_extents.h"

#include "draw/surface.h"
#include "drawings/sheet.h"

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {

// Screen-side sizes are proportional to the view scale; measuring at 10 pixels per centimetre
// keeps the whole-pixel rounding of text sizes below a millimetre of wall.
constexpr float kMeasureScale = 10;
// A printed character is at most this many times the asked mean character width (digits and
// capitals are wider than the mean).
constexpr float kCharWidthAllowance = 1.3f;

class ExtentsSurface : public Surface {
public:
    DrawnExtents extents;

    bool isDxf() const override { return false; }
    void drawLine(float x1, float y1, float x2, float y2, int, int) override {
        add(x1, y1);
        add(x2, y2);
    }
    // World y up maps to pixel rows going down, with world 0 on row 0.
    float screenX(float x) const override { return x * kMeasureScale; }
    float screenY(float y) const override { return -y * kMeasureScale; }
    float viewScale() const override { return kMeasureScale; }
    void screenText(int px, int py, int heightPx, int widthPx, int angleDeg, std::string_view text,
                    int) override {
        if (text.empty() || heightPx <= 0)
            return;
        std::size_t chars = 0;
        for (unsigned char c : text)
            chars += (c & 0xC0) != 0x80; // count UTF-8 characters, not bytes
        const float len = static_cast<float>(chars) * std::max(widthPx, 1) * kCharWidthAllowance;
        const float a = static_cast<float>(angleDeg) * 3.14159265f / 180.0f;
        // Along the text and down its height, in pixel space (y down, turned anticlockwise).
        const float ax = std::cos(a), ay = -std::sin(a);
        const float dx = std::sin(a), dy = std::cos(a);
        const float h = static_cast<float>(heightPx);
        addPx(px, py);
        addPx(px + len * ax, py + len * ay);
        addPx(px + h * dx, py + h * dy);
        addPx(px + len * ax + h * dx, py + len * ay + h * dy);
    }
    void screenCircle(float cx, float cy, float r, int) override {
        addPx(cx - r, cy - r);
        addPx(cx + r, cy + r);
    }
    void screenLine(float px1, float py1, float px2, float py2, int) override {
        addPx(px1, py1);
        addPx(px2, py2);
    }
    float dxfX(float) const override { return 0; }
    float dxfY(float) const override { return 0; }
    float dxfScale() const override { return 0; }
    void dxfLine(float, float, float, float, int, int) override {}
    void dxfCircle(float, float, float, int) override {}
    void dxfText(float, float, std::string_view, int, float, float, int) override {}

private:
    void addPx(float px, float py) { add(px / kMeasureScale, -py / kMeasureScale); }
    void add(float x, float y) {
        if (!std::isfinite(x) || !std::isfinite(y))
            return;
        if (extents.empty) {
            extents = {x, y, x, y, false};
            return;
        }
        extents.left = std::min(extents.left, x);
        extents.right = std::max(extents.right, x);
        extents.bottom = std::min(extents.bottom, y);
        extents.top = std::max(extents.top, y);
    }
};

} // namespace

DrawnExtents measureDrawnExtents(const Wall &wall) {
    ExtentsSurface s;
    redraw(s, wall);
    return s.extents;
}

} // namespace murcad
