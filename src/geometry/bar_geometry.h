// Geometry of bars and ties shared by the sections and the take-off: the tie wire, its length,
// sideways offsets, points along a segment and the rounding of lengths to 5 cm.
#pragma once

#include "geometry/point.h"

#include <array>

namespace murcad {

/// A segment given by its two ends.
struct Segment {
    Point p0;
    Point p1;
};

/// The segment p0-p1 moved sideways by d: to the left of the direction p0 -> p1 for d > 0,
/// to the right for d < 0.
Segment offsetSegment(Point p0, Point p1, float d);

/// The point at distance d from p0 towards p1 (on a vertical segment: up or down by d).
Point pointAlong(Point p0, Point p1, float d);

/// Rounds a length in cm to a multiple of 5 cm: the remainder below 10 cm is dropped up to
/// 2.5 cm, becomes 5 cm up to 7.5 cm and 10 cm above (122.5 -> 120, 123 -> 125, 127.6 -> 130).
float roundToFive(float value);

/// The wire of a tie linking two bars: 12 points P0..P11, drawn as the 11 segments
/// P(i-1)-P(i). Both straight sides run 1 cm from the line through the bar centres, the two
/// hook tails are 7 cm long, and each end bends round the outside of its bar.
struct TieWire {
    std::array<Point, 12> points;
};

/// Builds the tie linking the bars centred at a and b (no drawing).
TieWire tieShape(Point a, Point b);

/// Developed length of the tie linking the bars at a and b, rounded with roundToFive: the
/// length the bill of materials counts for every tie of this shape.
float tieLength(Point a, Point b);

/// Stirrup spacing in the edge zones: the smallest of the spacing, 8 bar diameters
/// (0.8 x diameterMm, in cm) and 10 cm.
float tieSpacing(float spacing, int diameterMm);

} // namespace murcad
