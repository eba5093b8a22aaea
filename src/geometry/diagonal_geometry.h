// Geometry of the diagonal reinforcement at the wall's base and the two-line intersection
// routines it rests on.
#pragma once

#include "geometry/point.h"
#include "model/wall.h"

namespace murcad {

/// How two lines (each given by two points) meet.
enum class IntersectionStatus : int {
    CollinearApart = -2, ///< same line, the two segments do not overlap; point = p1
    Overlapping = -1,    ///< same line, the two segments overlap; no point
    Parallel = 0,        ///< distinct parallel lines; no point
    Apart = 1,           ///< the lines meet outside at least one segment
    Crossing = 2,        ///< the segments cross
    AtP1 = 3,            ///< the lines meet at p1
    AtP2 = 4,            ///< ... at p2
    AtP3 = 5,            ///< ... at p3
    AtP4 = 6,            ///< ... at p4
};

/// Result of lineIntersection.
struct LineHit {
    IntersectionStatus status = IntersectionStatus::Parallel;
    Point point;               ///< meaningful when hasPoint()
    Point secondPoint{-1, -1}; ///< set only for nearly parallel lines whose ends lie apart
    bool hasPoint() const {
        return status != IntersectionStatus::Parallel && status != IntersectionStatus::Overlapping;
    }
};

/// Intersection of the line through p1, p2 with the line through p3, p4. Nearly parallel
/// lines (within 3 degrees) that meet outside the segments give the midpoint of the closest
/// pair of ends when they are less than 2 cm apart, otherwise that pair of ends.
LineHit lineIntersection(Point p1, Point p2, Point p3, Point p4);

/// True when the segments p1-p2 and p3-p4 cross or touch.
bool segmentsCross(Point p1, Point p2, Point p3, Point p4);

/// Turn from p0->p1 to p0->p2: 1 anticlockwise, -1 clockwise; for collinear points -1 when
/// p0 lies between p1 and p2, 1 when p2 lies beyond p1, else 0.
int turnDirection(Point p0, Point p1, Point p2);

/// Direction of p1 -> p2 in degrees, 0 .. 360, rounded to 2 decimals.
float lineAngle(Point p1, Point p2);

/// Degrees to radians.
double degToRad(double degrees);

/// The two groups of diagonal bars: the first runs p-b, the second p2-b2 (P' and B').
struct DiagonalBars {
    /// False when a bar line never meets the level of the bottom bars (a diagonal at 0 or
    /// 180 degrees runs parallel to it) or the geometry is not finite: nothing can be drawn
    /// or counted.
    bool valid = false;
    Point p, b, p2, b2;
    int length = 0; ///< Ld: length of the second bar p2-b2, whole cm, halves to even
};

/// Diagonal bars of the wall's first storey, rising from the bottom bars of the foundation to
/// the upper corners. x is the wall's reference axis, y0 the top of the foundation; the
/// length does not depend on them.
DiagonalBars diagonalGeometry(const Wall &wall, float x, float y0);

} // namespace murcad
