// The whole sheet of a wall: horizontal sections, elevation and vertical sections.
#pragma once

#include "draw/surface.h"
#include "model/wall.h"

namespace murcad {

/// Where Redraw left the running placement of the sheet.
struct SheetResult {
    float SheetX = 0;     ///< x just right of the last vertical section (next wall of a batch)
    float ElevationX = 0; ///< x of the elevation's reference axis
};

/// Draws the whole sheet of the wall (horizontal sections, elevation, vertical sections).
/// Draws nothing (and does not clear the surface) when the wall's total height is not positive.
SheetResult redraw(Surface &surface, const Wall &wall);

/// The x of the elevation's reference axis for a given longest cut storey length.
float elevationAxisX(float sectionWidthMax);

} // namespace murcad
