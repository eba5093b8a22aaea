// View window arithmetic: scale, sheet extents, fit, zoom steps, previous view and pan.
#include "geometry/view.h"

#include <algorithm>
#include <cmath>

namespace murcad {

float computeViewScale(const ViewWindow &v, float left, float bottom, float right, float top) {
    float w = right - left;
    float h = top - bottom;
    if (w == 0.0f || h == 0.0f)
        return 1.0f;
    float sx = v.BoxWidthPx / w;
    float sy = v.BoxHeightPx / h;
    return sy < sx ? sy : sx;
}

void updateViewScale(ViewWindow &v) {
    v.ViewScale = computeViewScale(v, v.ViewLeft, v.ViewBottom, v.ViewRight, v.ViewTop);
}

SheetExtents computeSheetExtents(const Wall &wall) {
    SheetExtents s;
    const int n = wall.storeyCount();
    s.SheetTop = n > 0 ? wall.Storeys[n - 1].TopLevel : 100.0f;
    s.SectionWidthMax = 0;
    for (const HorizSection &h : wall.HorizSections) {
        if (h.StoreyIndex < 0 || h.StoreyIndex >= n)
            continue;
        s.SectionWidthMax = std::max(s.SectionWidthMax, wall.Storeys[h.StoreyIndex].Length);
    }
    s.SheetLeft = -100;
    s.SheetRight =
        (2 * wall.Thickness + 130) * wall.vertSectionCount() + (2 * s.SectionWidthMax + 300);
    s.SheetBottom = wall.BaseLevel - wall.FoundationThickness - 100;

    // Everything drawn must fit: the column of horizontal sections (stacked every six
    // thicknesses, each titled above itself), the elevation with its shifted and widened
    // storeys, dimensions and level marks, and the vertical sections with their bar shapes.
    const float T = wall.Thickness;
    const int hn = std::min(wall.horizSectionCount(), kMaxHorizSections);
    if (hn > 0) {
        const float stack = T > 27 ? T : 28;
        s.SheetTop = std::max(s.SheetTop, wall.BaseLevel + 6 * stack * (hn - 1) + 50 + T + 15);
    }
    const float axis = s.SectionWidthMax * (s.SectionWidthMax > 2000 ? 2.0f : 1.5f) + 120;
    float right = axis + s.SectionWidthMax / 2 + 160;
    for (const Storey &st : wall.Storeys) {
        const StoreyEnds e = storeyEnds(st, StoreyExtent::WithOffsets);
        s.SheetLeft = std::min(s.SheetLeft, axis + e.left - 60);
        right = std::max(right, axis + e.right + 90);
    }
    const int vn = std::min(wall.vertSectionCount(), kMaxVertSections);
    if (vn > 0)
        right = std::max(right, axis + s.SectionWidthMax / 2 + 160 + vn * (2 * T + 130) +
                                    std::max(0.0f, T - 50));
    s.SheetRight = std::max(s.SheetRight, right);
    s.SheetRight += 100;
    s.SheetTop += 100;
    return s;
}

void fitSheet(ViewWindow &v, const SheetExtents &sheet) {
    v.ViewBottom = sheet.SheetBottom;
    v.ViewRight = sheet.SheetRight;
    v.ViewLeft = sheet.SheetLeft;
    v.ViewTop = sheet.SheetTop;
    updateViewScale(v);
    float w = sheet.SheetRight - sheet.SheetLeft;
    float h = sheet.SheetTop - sheet.SheetBottom;
    if (std::abs(h) < 0.00001f)
        return;
    if (w / h > v.BoxWidthPx / v.BoxHeightPx) {
        v.ViewBottom = (sheet.SheetBottom + sheet.SheetTop) / 2 - (v.BoxHeightPx / v.ViewScale) / 2;
        v.ViewTop = v.ViewBottom + v.BoxHeightPx / v.ViewScale;
    } else {
        v.ViewLeft = (sheet.SheetLeft + sheet.SheetRight) / 2 - (v.BoxWidthPx / v.ViewScale) / 2;
        v.ViewRight = v.ViewLeft + v.BoxWidthPx / v.ViewScale;
    }
}

void copyToPreviousView(ViewWindow &v) {
    v.PrevViewLeft = v.ViewLeft;
    v.PrevViewRight = v.ViewRight;
    v.PrevViewBottom = v.ViewBottom;
    v.PrevViewTop = v.ViewTop;
}

void showWholeSheet(ViewWindow &v, const SheetExtents &sheet) {
    copyToPreviousView(v);
    fitSheet(v, sheet);
}

namespace {
// Moves every edge inwards by 5% of the view's size (outwards for a negative sign).
void scaleAboutCentre(ViewWindow &v, float sign) {
    float d = 0.05f * (v.ViewRight - v.ViewLeft);
    float e = 0.05f * (v.ViewTop - v.ViewBottom);
    v.ViewLeft += sign * d;
    v.ViewRight -= sign * d;
    v.ViewBottom += sign * e;
    v.ViewTop -= sign * e;
    updateViewScale(v);
}
} // namespace

void zoomOutStep(ViewWindow &v) {
    copyToPreviousView(v);
    scaleAboutCentre(v, -1.0f);
}

bool zoomInStep(ViewWindow &v) {
    copyToPreviousView(v);
    if (!(v.ViewRight - v.ViewLeft > 0.3f))
        return false;
    scaleAboutCentre(v, 1.0f);
    return true;
}

bool mouseWheelStep(ViewWindow &v, bool up, float px, float py, bool startsBurst) {
    if (startsBurst)
        copyToPreviousView(v);
    if (up && !(v.ViewRight - v.ViewLeft > 5.0f))
        return false;
    // Every edge moves towards (or away from) the world point under the pointer by the same
    // factor; the scale changes by that factor on both axes, so the point keeps its pixel.
    const float f = up ? 0.9f : 1.1f;
    const float wx = v.worldX(px);
    const float wy = v.worldY(py);
    v.ViewLeft = wx - (wx - v.ViewLeft) * f;
    v.ViewRight = wx + (v.ViewRight - wx) * f;
    v.ViewBottom = wy - (wy - v.ViewBottom) * f;
    v.ViewTop = wy + (v.ViewTop - wy) * f;
    updateViewScale(v);
    return true;
}

void panViewByFraction(ViewWindow &v, float fx, float fy) {
    float dX = fx * (v.ViewRight - v.ViewLeft);
    float dY = fy * (v.ViewTop - v.ViewBottom);
    v.ViewLeft += dX;
    v.ViewRight += dX;
    v.ViewBottom += dY;
    v.ViewTop += dY;
}

void swapPreviousView(ViewWindow &v) {
    std::swap(v.ViewLeft, v.PrevViewLeft);
    std::swap(v.ViewRight, v.PrevViewRight);
    std::swap(v.ViewBottom, v.PrevViewBottom);
    std::swap(v.ViewTop, v.PrevViewTop);
    updateViewScale(v);
}

void panView(ViewWindow &v, float fromX, float fromY, float toX, float toY) {
    float dX = (fromX - toX) / v.ViewScale;
    float dY = (toY - fromY) / v.ViewScale;
    v.ViewLeft += dX;
    v.ViewBottom += dY;
    v.ViewRight += dX;
    v.ViewTop += dY;
}

void zoomToPixelRect(ViewWindow &v, float left, float top, float right, float bottom) {
    copyToPreviousView(v);
    float newRight = v.worldX(right);
    float newTop = v.worldY(top);
    float newLeft = v.worldX(left);
    float newBottom = v.worldY(bottom);
    v.ViewRight = newRight;
    v.ViewTop = newTop;
    v.ViewLeft = newLeft;
    v.ViewBottom = newBottom;
    updateViewScale(v);
}

} // namespace murcad
