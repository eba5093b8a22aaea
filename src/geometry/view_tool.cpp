// Mouse tools of the drawing area: the zoom-window states with the rubber band, and panning.
#include "geometry/view_tool.h"

#include "geometry/numbers.h"

#include <cmath>
#include <utility>

namespace murcad {

static int px(double v) {
    return static_cast<int>(roundHalfEven(v));
}

void armZoomWindow(ViewToolData &t) {
    t.PrevViewTool = t.ViewTool;
    t.ViewTool = kZoomFirstCorner;
    t.BandX1 = -1;
    t.BandX2 = t.BandY1 = t.BandY2 = 0;
    t.Band = {};
    t.BandShown = false;
}

void armPan(ViewToolData &t) {
    t.PrevViewTool = t.ViewTool;
    t.ViewTool = kPanArmed;
}

void fitBandToBox(ViewToolData &t, float boxWidth, float boxHeight) {
    double dx = std::abs(t.BandX2 - t.BandX1), dy = std::abs(t.BandY2 - t.BandY1);
    if (dy == 0 || boxHeight <= 0)
        return;
    double r = dx / dy, a = static_cast<double>(boxWidth) / boxHeight;
    if (r > a) {
        double h = dx / a;
        double c = (t.BandY1 + t.BandY2 + h) / 2;
        t.BandY2 = px(c);
        t.BandY1 = px(c - h);
    } else if (r < a) {
        double w = a * dy;
        double c = ((t.BandX1 + t.BandX2) - w) / 2;
        t.BandX1 = px(c);
        t.BandX2 = px(c + w);
    }
}

static void eraseBand(ViewToolData &t, ToolOutcome &o) {
    if (t.BandShown) {
        t.BandShown = false;
        o.bandChanged = true;
    }
}

// The second corner of the zoom window at (x, y): zooms to the band when it is larger than
// 10 × 10 pixels; a smaller band is taken for a slip and the tool keeps waiting.
static void takeSecondCorner(ViewToolData &t, ViewWindow &v, float x, float y, ToolOutcome &o) {
    if (t.BandX2 != 0 || t.BandY2 != 0)
        eraseBand(t, o);
    t.Band = {};
    t.BandX2 = px(x);
    t.BandY2 = px(y);
    if (t.BandX1 > t.BandX2)
        std::swap(t.BandX1, t.BandX2);
    if (t.BandY1 > t.BandY2)
        std::swap(t.BandY1, t.BandY2);
    if (t.BandY2 - t.BandY1 <= 10 || t.BandX2 - t.BandX1 <= 10)
        return;
    t.ViewTool = t.PrevViewTool;
    fitBandToBox(t, v.BoxWidthPx, v.BoxHeightPx);
    zoomToPixelRect(v, t.BandX1, t.BandY1, t.BandX2, t.BandY2);
    o.redraw = true;
}

ToolOutcome viewMouseDown(ViewToolData &t, ViewWindow &v, int button, float x, float y) {
    ToolOutcome o;
    t.MouseX = x;
    t.MouseY = y;
    if (button == kMiddleButton) {
        t.PrevViewTool = t.ViewTool;
        t.ViewTool = kPanArmed;
    }
    switch (t.ViewTool) {
    case kZoomFirstCorner:
        t.BandX1 = px(x);
        t.BandY1 = px(y);
        if (t.BandX2 != 0 || t.BandY2 != 0)
            eraseBand(t, o);
        t.ViewTool = kZoomSecondCorner;
        break;
    case kZoomSecondCorner:
        if (button == kLeftButton)
            takeSecondCorner(t, v, x, y, o);
        break;
    case kPanArmed:
        o.cursor = ToolCursor::Pan;
        t.BandX1 = px(x);
        t.BandY1 = px(y);
        t.ViewTool = kPanning;
        break;
    default:
        break;
    }
    return o;
}

ToolOutcome viewMouseMove(ViewToolData &t, ViewWindow &v, int buttons, float x, float y) {
    ToolOutcome o;
    if (t.ViewTool == kZoomSecondCorner && t.BandX1 >= 0) {
        t.BandX2 = px(x);
        t.BandY2 = px(y);
        BandRect r{t.BandX1, t.BandY1, t.BandX2, t.BandY2};
        if (r.bottom < r.top)
            std::swap(r.bottom, r.top);
        if (r.right < r.left)
            std::swap(r.right, r.left);
        t.Band = r;
        t.BandShown = true;
        o.bandChanged = true;
    } else if (t.ViewTool == kPanning && (buttons == kLeftButton || buttons == kMiddleButton)) {
        t.BandX2 = px(x);
        t.BandY2 = px(y);
        panView(v, t.BandX1, t.BandY1, t.BandX2, t.BandY2);
        t.BandX1 = t.BandX2;
        t.BandY1 = t.BandY2;
        o.redraw = true;
    }
    return o;
}

ToolOutcome viewMouseUp(ViewToolData &t, ViewWindow &v, int button, float x, float y) {
    ToolOutcome o;
    if (t.ViewTool == kPanning) {
        t.ViewTool = t.PrevViewTool;
        o.cursor = ToolCursor::Crosshair;
        o.redraw = true;
    } else if (t.ViewTool == kZoomSecondCorner && button == kLeftButton && t.BandX1 >= 0 &&
               (std::abs(x - t.BandX1) > 10 || std::abs(y - t.BandY1) > 10)) {
        // The window dragged with the button held: the release is the second corner. A click
        // released where it was pressed leaves the tool waiting for a second click.
        takeSecondCorner(t, v, x, y, o);
    }
    return o;
}

} // namespace murcad
