// The abstract drawing surface every drawing routine draws on: the screen or a DXF file.
#pragma once

#include "colours/layers.h"

#include <string_view>

namespace murcad {

/// Line styles: 0 the layer's linetype (solid on screen), 1 DASHED (dotted on screen),
/// 2 CONTINUOUS (solid), 3 DASHDOT (dotted).
enum LineStyle : int { ByLayer = 0, Dashed = 1, Continuous = 2, DashDot = 3 };

/// A drawing target. Drawing routines work in world centimetres (y up) and take a Surface
/// where the original routines took the output selector: isDxf() plays the part of ToDxf.
/// Lines go through one world-coordinate primitive; texts and circles have one primitive per
/// target and the caller converts coordinates with the target's own transform, exactly as
/// the screen and DXF sides of each routine do.
class Surface {
public:
    virtual ~Surface() = default;

    /// True for a DXF entity writer (ToDxf non-zero), false for a screen painter.
    virtual bool isDxf() const = 0;

    /// The one line primitive, world coordinates. Layer 0..11.
    virtual void drawLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) = 0;

    // --- screen side: pixel coordinates, y down -------------------------------------------
    /// World x to pixel (ScreenX); world y to pixel (ScreenY).
    virtual float screenX(float x) const = 0;
    virtual float screenY(float y) const = 0;
    /// Pixels per world centimetre (ViewScale).
    virtual float viewScale() const = 0;
    /// Text with its top-left corner at (px, py), turned angleDeg anticlockwise about it.
    virtual void screenText(int px, int py, int heightPx, int widthPx, int angleDeg,
                            std::string_view text, int layer) = 0;
    /// Circle in pixels, in the colour of the layer.
    virtual void screenCircle(float cx, float cy, float radiusPx, int layer) = 0;
    /// Line in pixels, in the colour of the layer (ticks and marks sized in pixels).
    virtual void screenLine(float px1, float py1, float px2, float py2, int layer) {
        (void)px1, (void)py1, (void)px2, (void)py2, (void)layer;
    }
    /// Twips per screen pixel (PixelTwips), used by the fitting estimate of dimension figures.
    virtual int pixelTwips() const { return 15; }
    /// Clears the screen before a new sheet is drawn (nothing to do on a DXF writer).
    virtual void clear() {}

    // --- DXF side: DXF units ------------------------------------------------------------
    /// World x to DXF units (DxfX); world y (DxfY).
    virtual float dxfX(float x) const = 0;
    virtual float dxfY(float y) const = 0;
    /// DXF drawing units per world centimetre (DxfScale).
    virtual float dxfScale() const = 0;
    virtual void dxfLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) = 0;
    virtual void dxfCircle(float x, float y, float r, int layer) = 0;
    /// Text anchored at (x, y), middle vertical alignment, horizontal justification hAlign.
    virtual void dxfText(float x, float y, std::string_view text, int layer, float angleDeg,
                         float height, int hAlign) = 0;
};

} // namespace murcad
