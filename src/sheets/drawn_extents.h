// The world rectangle a wall's sheet actually covers, texts included, for printing to scale.
#pragma once

#include "model/wall.h"

namespace murcad {

/// A rectangle in world centimetres (y up). Empty when nothing was drawn.
struct DrawnExtents {
    float left = 0, bottom = 0, right = 0, top = 0;
    bool empty = true;
    float width() const { return right - left; }
    float height() const { return top - bottom; }
};

/// Draws the wall's sheet (the same redraw as the screen) on a measuring surface and returns
/// the rectangle covered by its lines, circles and texts. Text widths are estimated on the
/// generous side (a printed text is never wider than the estimate), so a page laid out on
/// these extents holds the whole drawing.
DrawnExtents measureDrawnExtents(const Wall &wall);

} // namespace murcad
