// Bars crossing a section: bar dots and the ties between the faces.
#pragma once

#include "draw/surface.h"
#include "geometry/point.h"

namespace murcad {

/// A bar cut by a section: a circle of the bar's diameter with a small cross at its centre.
void drawBarDot(Surface &s, float x, float y, int diameterMm);

/// Draws the tie linking the bars centred at a and b (the 12-point wire, layer FERRI).
void drawTie(Surface &s, Point a, Point b);

} // namespace murcad
