// Level marks and the marks of horizontal and vertical section cuts.
#pragma once

#include "draw/surface.h"
#include "geometry/section_pick.h" // vertSectionName

#include <string>
#include <string_view>

namespace murcad {

/// Text of a level: one decimal, "+" in front when not negative ("+0.0", "-20.0").
std::string levelText(float value);

/// Level symbol at (x, y) with its value written on the leader (to the right, or to the left
/// when side is 1).
void levelMark(Surface &s, float x, float y, float value, int side);

/// Mark of a horizontal cut from (x1, y1) to (x2, y2), named at both ends.
void horizCutMark(Surface &s, float x1, float y1, float x2, float y2, std::string_view name);

/// Mark of a vertical cut from (x1, y1) at the bottom to (x2, y2) at the top.
void vertCutMark(Surface &s, float x1, float y1, float x2, float y2, std::string_view name);

} // namespace murcad
