// The DXF drawing surface: every primitive prints LINE, CIRCLE or TEXT entities.
#include "dxf/dxf_surface.h"

#include "dxf/dxf_entities.h"
#include "geometry/cp1252.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace murcad {

DxfSurface::DxfSurface(DxfTagWriter &writer, const LayerSettings &layers, DxfTransform t)
    : transform(t), writer_(writer) {
    for (int i = 0; i < kLayerCount; ++i)
        names_[i] = utf8ToCp1252(layers.LayerName[i]);
}

const std::string &DxfSurface::layerName(int layer) const {
    // The drawing routines address the twelve layers by index; anything else is a fault in
    // a drawing routine, not in the user's data.
    if (layer < 0 || layer >= kLayerCount) {
        std::fprintf(stderr, "DxfSurface: layer index %d outside 0..11\n", layer);
        std::abort();
    }
    return names_[layer];
}

namespace {
// A line whose two ends print the same six-decimal coordinates has no length in the file:
// CAD audits flag every such entity, so it is never written.
bool degenerate(float x1, float y1, float x2, float y2) {
    auto same = [](float a, float b) {
        return std::llround(static_cast<double>(a) * 1e6) ==
               std::llround(static_cast<double>(b) * 1e6);
    };
    return same(x1, x2) && same(y1, y2);
}
} // namespace

void DxfSurface::drawLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) {
    dxfLine(dxfX(x1), dxfY(y1), dxfX(x2), dxfY(y2), layer, lineStyle);
}

void DxfSurface::dxfLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) {
    if (degenerate(x1, y1, x2, y2))
        return;
    writeDxfLine(writer_, x1, y1, x2, y2, layerName(layer), lineStyle);
}

void DxfSurface::dxfCircle(float x, float y, float r, int layer) {
    writeDxfCircle(writer_, x, y, r, layerName(layer));
}

void DxfSurface::dxfText(float x, float y, std::string_view text, int layer, float angleDeg,
                         float height, int hAlign) {
    writeDxfText(writer_, x, y, utf8ToCp1252(text), layerName(layer), angleDeg, height, hAlign);
}

} // namespace murcad
