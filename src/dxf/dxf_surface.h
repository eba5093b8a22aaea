// The DXF drawing surface: every primitive prints LINE, CIRCLE or TEXT entities.
#pragma once

#include "colours/layers.h"
#include "draw/surface.h"
#include "dxf/dxf_tags.h"

#include <array>
#include <string>

namespace murcad {

/// The DXF transform: a world point (cm) goes to ((offset + x) × scale) DXF units.
struct DxfTransform {
    float DxfScale = 0.04f;  ///< DXF units per world cm (DxfScaleLeft ÷ DxfScaleRight)
    float DxfOffsetX = 0.0f; ///< world shift of the wall being drawn
    float DxfOffsetY = 0.0f;
};

/// A Surface whose primitives write DXF entities into a tag writer, on the layers named by
/// the layer settings (names taken as Windows-1252 once, when the surface is made). Its
/// screen-side operations do nothing and its screen transforms return 0.
class DxfSurface final : public Surface {
public:
    DxfSurface(DxfTagWriter &writer, const LayerSettings &layers, DxfTransform transform = {});

    /// The transform used by the next primitive; the batch moves DxfOffsetX between walls.
    DxfTransform transform;

    bool isDxf() const override { return true; }
    void drawLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) override;

    float screenX(float) const override { return 0.0f; }
    float screenY(float) const override { return 0.0f; }
    float viewScale() const override { return 0.0f; }
    void screenText(int, int, int, int, int, std::string_view, int) override {}
    void screenCircle(float, float, float, int) override {}

    float dxfX(float x) const override { return (transform.DxfOffsetX + x) * transform.DxfScale; }
    float dxfY(float y) const override { return (transform.DxfOffsetY + y) * transform.DxfScale; }
    float dxfScale() const override { return transform.DxfScale; }
    void dxfLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) override;
    void dxfCircle(float x, float y, float r, int layer) override;
    /// text is UTF-8; it is written as Windows-1252 on one line.
    void dxfText(float x, float y, std::string_view text, int layer, float angleDeg,
                 float height, int hAlign) override;

private:
    const std::string &layerName(int layer) const;

    DxfTagWriter &writer_;
    std::array<std::string, kLayerCount> names_;
};

} // namespace murcad
