// Text helpers shared by the drawing routines: pixel rounding, the diameter sign, plain numbers.
#pragma once

#include "draw/surface.h"

#include <string>
#include <string_view>

namespace murcad {

/// A pixel value rounded to a whole pixel, halves to the even neighbour; values that are not
/// finite or far off any screen give a far-away pixel instead of undefined behaviour.
int pixelRound(float v);

/// The diameter sign of the target: "%%c" in DXF texts, "Ø" on the screen.
std::string_view diameterSign(const Surface &s);

/// A number as plain text without spaces: at most two decimals, no trailing zeros
/// ("20", "12.5"); a point as decimal separator.
std::string plainNumber(float v);

/// The figure of a measured length: whole centimetres when the fraction is below 0.1 or above
/// 0.9 ("250", "251"), otherwise one decimal ("250.5").
std::string dimensionFigure(float d);

/// Screen text with its top-left corner at world point (x, y): height ViewScale × heightCm
/// and width widthFactor × that height, both in whole pixels; nothing on a DXF surface.
void screenWorldText(Surface &s, float x, float y, std::string_view text, int layer, float heightCm,
                     float angleDeg = 0, float widthFactor = 0.4f);

/// DXF text anchored at world point (x, y) moved by dyUnits DXF units upwards: height
/// heightCm × DxfScale, the given justification; nothing on a screen surface.
void dxfWorldText(Surface &s, float x, float y, std::string_view text, int layer, float heightCm,
                  int hAlign, float angleDeg = 0, float dyUnits = 0);

} // namespace murcad
