// DXF entity writers: LINE, CIRCLE and TEXT in DXF units, each ended by its "  0" line.
#pragma once

#include "dxf/dxf_tags.h"

#include <string_view>

namespace murcad {

/// LINE from (x1, y1) to (x2, y2) on a layer. Line style 1, 2 or 3 names the linetype DASHED,
/// CONTINUOUS or DASHDOT; any other style leaves the layer's linetype.
void writeDxfLine(DxfTagWriter &w, float x1, float y1, float x2, float y2,
                  std::string_view layerName, int lineStyle);

/// CIRCLE with centre (x, y) and radius r.
void writeDxfCircle(DxfTagWriter &w, float x, float y, float r, std::string_view layerName);

/// TEXT anchored by its second alignment point (x, y), middle vertical alignment, horizontal
/// justification hAlign. The first alignment point lies 0.21 left and 0.12 below (DXF units,
/// neither scaled nor turned). The height has two decimals, six when below 0.1 (so that small
/// scales keep their text sizes). text goes out unchanged: pass Windows-1252 bytes on one line.
void writeDxfText(DxfTagWriter &w, float x, float y, std::string_view text,
                  std::string_view layerName, float angleDeg, float height, int hAlign);

} // namespace murcad
