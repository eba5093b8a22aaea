// The wall elevation: foundation, storeys, edge zones, web, diagonals, dimensions and marks.
#pragma once

#include "draw/surface.h"
#include "model/wall.h"

namespace murcad {

/// Draws the elevation of the whole wall with its reference axis at x = X.
void drawElevation(Surface &s, const Wall &wall, float X);

/// The text under the elevation for the diagonal reinforcement:
/// "Armatura diagonale: 4+4 Ø 16  L= 272" (with "%%c" on DXF).
std::string diagonalText(const Surface &s, int diameter, int length);

} // namespace murcad
