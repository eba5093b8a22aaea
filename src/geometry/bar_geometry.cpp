// Tie wire construction, sideways offsets, points along a segment and rounding to 5 cm.
#include "geometry/bar_geometry.h"

#include "geometry/numbers.h"

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {

int signOf(double v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

/// Builds the 12 points of the tie. With mendBendAtB false the bend round bar b is placed as
/// the take-off has always measured it (inside bar b, its ends crossed); the measured length
/// stays that one so that bills of materials do not change. With true the bend lies outside
/// bar b, the mirror image of the bend round bar a: the wire that is drawn.
std::array<Point, 12> tiePoints(Point a, Point b, bool mendBendAtB) {
    std::array<Point, 12> p;
    // The two straight sides, 1 cm either side of the line through the bar centres.
    Segment left = offsetSegment(a, b, 1.0f);
    Segment right = offsetSegment(a, b, -1.0f);
    p[4] = left.p0;
    p[10] = left.p1;
    p[1] = right.p0;
    p[7] = right.p1;
    p[5] = pointAlong(p[4], p[10], 2.0f);
    p[6] = pointAlong(p[7], p[1], 2.0f);
    // The two hook tails, 7 cm long, parallel to the crossing side P5-P6.
    Point t = pointAlong(p[5], p[6], 7.0f);
    float dx = p[5].x - t.x, dy = p[5].y - t.y;
    p[0] = {p[1].x - dx, p[1].y - dy};
    p[11] = {p[10].x + dx, p[10].y + dy};
    // The bends: short segments 1 cm beyond the bar, across the wire's width.
    Segment sideA = offsetSegment(a, b, 0.5f);
    Segment sideB = offsetSegment(a, b, -0.5f);
    Segment bendA = offsetSegment(sideA.p0, sideB.p0, -1.0f);
    p[3] = bendA.p0;
    p[2] = bendA.p1;
    if (mendBendAtB) {
        Segment bendB = offsetSegment(sideA.p1, sideB.p1, 1.0f);
        p[9] = bendB.p0;
        p[8] = bendB.p1;
    } else {
        Segment bendB = offsetSegment(sideA.p1, sideB.p1, -1.0f);
        p[8] = bendB.p0;
        p[9] = bendB.p1;
    }
    return p;
}

} // namespace

Segment offsetSegment(Point p0, Point p1, float d) {
    if (std::fabs(p1.y - p0.y) < 0.0001f) {
        float s = p0.x < p1.x ? d : -d;
        return {{p0.x, p0.y + s}, {p1.x, p1.y + s}};
    }
    if (std::fabs(p1.x - p0.x) < 0.0001f) {
        float s = p0.y <= p1.y ? -d : d;
        return {{p0.x + s, p0.y}, {p1.x + s, p1.y}};
    }
    double alpha = std::atan(static_cast<double>(p1.x - p0.x) / (p1.y - p0.y));
    double s = signOf(p1.x - p0.x) * signOf(alpha);
    float ox = static_cast<float>(-std::cos(alpha) * d * s);
    float oy = static_cast<float>(std::sin(alpha) * d * s);
    return {{p0.x + ox, p0.y + oy}, {p1.x + ox, p1.y + oy}};
}

Point pointAlong(Point p0, Point p1, float d) {
    if (std::fabs(p1.x - p0.x) > 0.001f) {
        float f = d / distance(p0.x, p0.y, p1.x, p1.y);
        return {p0.x + (p1.x - p0.x) * f, p0.y + (p1.y - p0.y) * f};
    }
    return {p0.x, p0.y <= p1.y ? p0.y + d : p0.y - d};
}

float roundToFive(float value) {
    // Work in whole hundredths of a cm so that the thresholds fall exactly where the decimal
    // figures say (122.5 is 12.25 tens of cm, remainder 25 hundredths: rounded down).
    double hundredths = roundHalfEven(static_cast<double>(value) * 100.0);
    double tens = std::floor(hundredths / 1000.0); // whole part of value / 10
    double rest = hundredths - tens * 1000.0;      // 0 .. 999 thousandths of 10 cm
    double h = roundHalfEven(rest / 10.0);         // 0 .. 100
    double add = h <= 25 ? 0.0 : (h <= 75 ? 0.5 : 1.0);
    return static_cast<float>((tens + add) * 10.0);
}

TieWire tieShape(Point a, Point b) {
    return {tiePoints(a, b, true)};
}

float tieLength(Point a, Point b) {
    std::array<Point, 12> p = tiePoints(a, b, false);
    float length = 0;
    for (int i = 1; i < 12; ++i)
        length += distance(p[i - 1].x, p[i - 1].y, p[i].x, p[i].y);
    return roundToFive(length);
}

float tieSpacing(float spacing, int diameterMm) {
    return std::min({spacing, 0.8f * static_cast<float>(diameterMm), 10.0f});
}

} // namespace murcad
