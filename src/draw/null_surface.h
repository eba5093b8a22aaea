// A drawing surface that draws nothing: runs the drawing routines only for the placement
// they compute (where a sheet ends, where the elevation stands).
#pragma once

#include "draw/surface.h"

namespace murcad {

/// Discards every primitive; the transforms are the identity on the DXF side.
class NullSurface final : public Surface {
public:
    bool isDxf() const override { return true; }
    void drawLine(float, float, float, float, int, int) override {}
    float screenX(float x) const override { return x; }
    float screenY(float y) const override { return -y; }
    float viewScale() const override { return 1.0f; }
    void screenText(int, int, int, int, int, std::string_view, int) override {}
    void screenCircle(float, float, float, int) override {}
    float dxfX(float x) const override { return x; }
    float dxfY(float y) const override { return y; }
    float dxfScale() const override { return 1.0f; }
    void dxfLine(float, float, float, float, int, int) override {}
    void dxfCircle(float, float, float, int) override {}
    void dxfText(float, float, std::string_view, int, float, float, int) override {}
};

} // namespace murcad
