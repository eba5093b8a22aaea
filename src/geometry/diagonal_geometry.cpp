// Diagonal reinforcement geometry and line intersection routines.
#include "geometry/diagonal_geometry.h"

#include "geometry/numbers.h"

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {

bool near(Point a, Point b) {
    return std::fabs(a.x - b.x) < 0.0001f && std::fabs(a.y - b.y) < 0.0001f;
}

bool finite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

} // namespace

double degToRad(double degrees) {
    return degrees * 0.0174532925199433;
}

int turnDirection(Point p0, Point p1, Point p2) {
    double dx1 = p1.x - p0.x, dy1 = p1.y - p0.y;
    double dx2 = p2.x - p0.x, dy2 = p2.y - p0.y;
    double a = dx1 * dy2, b = dy1 * dx2;
    if (std::fabs(a - b) > 0.0001)
        return a > b ? 1 : -1;
    if (dx1 * dx2 < 0 || dy1 * dy2 < 0)
        return -1;
    return dx2 * dx2 + dy2 * dy2 > dx1 * dx1 + dy1 * dy1 ? 1 : 0;
}

bool segmentsCross(Point p1, Point p2, Point p3, Point p4) {
    return turnDirection(p1, p2, p3) * turnDirection(p1, p2, p4) <= 0 &&
           turnDirection(p3, p4, p1) * turnDirection(p3, p4, p2) <= 0;
}

float lineAngle(Point p1, Point p2) {
    double dx = p2.x - p1.x, dy = p2.y - p1.y;
    double a;
    if (std::fabs(dx) > 0.0001) {
        a = radiansToDegrees(std::atan(dy / dx));
    } else {
        dx = 0;
        a = dy < 0 ? -90.0 : 90.0;
    }
    if (dx < 0)
        a += 180.0;
    else if (dy < 0)
        a += 360.0;
    return static_cast<float>(roundHalfEven(a * 100.0) / 100.0);
}

LineHit lineIntersection(Point p1, Point p2, Point p3, Point p4) {
    LineHit hit;
    double dx1 = p2.x - p1.x, dy1 = p2.y - p1.y;
    double dx2 = p4.x - p3.x, dy2 = p4.y - p3.y;
    double c1 = p1.x * dy1 - p1.y * dx1;
    double c2 = p3.x * dy2 - p3.y * dx2;
    double d = dx1 * dy2 - dy1 * dx2;
    double nx = c2 * dx1 - c1 * dx2;
    double ny = c2 * dy1 - c1 * dy2;

    if (std::fabs(d) <= 0.01) {
        if (std::fabs(nx) < 0.0001 && std::fabs(ny) < 0.0001) {
            // One line: compare the segments' ranges along x (along y when vertical).
            bool alongY = std::fabs(p1.x - p2.x) < 0.001f;
            float u1 = alongY ? p1.y : p1.x, u2 = alongY ? p2.y : p2.x;
            float u3 = alongY ? p3.y : p3.x, u4 = alongY ? p4.y : p4.x;
            float a = std::min(u1, u2), b = std::max(u1, u2);
            float c = std::min(u3, u4), e = std::max(u3, u4);
            auto in = [](float v, float lo, float hi) { return v >= lo && v <= hi; };
            if (in(c, a, b) || in(e, a, b) || in(a, c, e) || in(b, c, e)) {
                hit.status = IntersectionStatus::Overlapping;
            } else {
                hit.status = IntersectionStatus::CollinearApart;
                hit.point = p1;
            }
        } else {
            hit.status = IntersectionStatus::Parallel;
        }
        return hit;
    }

    hit.point = {static_cast<float>(nx / d), static_cast<float>(ny / d)};
    if (near(hit.point, p1)) {
        hit.status = IntersectionStatus::AtP1;
    } else if (near(hit.point, p2)) {
        hit.status = IntersectionStatus::AtP2;
    } else if (near(hit.point, p3)) {
        hit.status = IntersectionStatus::AtP3;
    } else if (near(hit.point, p4)) {
        hit.status = IntersectionStatus::AtP4;
    } else if (segmentsCross(p1, p2, p3, p4)) {
        hit.status = IntersectionStatus::Crossing;
    } else {
        hit.status = IntersectionStatus::Apart;
        float delta = std::fabs(lineAngle(p3, p4) - lineAngle(p1, p2));
        if (delta >= 180.0f)
            delta -= 180.0f;
        if (delta < 3.0f || std::fabs(180.0f - delta) < 3.0f) {
            // Nearly parallel: the meeting point is unreliable, take the closest ends.
            const Point pairs[4][2] = {{p1, p3}, {p2, p3}, {p2, p4}, {p1, p4}};
            int best = 0;
            float bestDist = distance(p1.x, p1.y, p3.x, p3.y);
            for (int k = 1; k < 4; ++k) {
                float dk = distance(pairs[k][0].x, pairs[k][0].y, pairs[k][1].x, pairs[k][1].y);
                if (dk < bestDist) {
                    bestDist = dk;
                    best = k;
                }
            }
            Point q0 = pairs[best][0], q1 = pairs[best][1];
            if (bestDist < 2.0f) {
                hit.point = {(q0.x + q1.x) / 2, (q0.y + q1.y) / 2};
            } else {
                hit.point = q0;
                hit.secondPoint = q1;
            }
        }
    }
    return hit;
}

DiagonalBars diagonalGeometry(const Wall &wall, float x, float y0) {
    DiagonalBars bars;
    if (wall.Storeys.empty())
        return bars;
    const Storey &s = wall.Storeys[0];
    const float c = wall.Cover;
    const float half = s.Length / 2;
    const float e = s.Shift;
    const float t = static_cast<float>(std::tan(degToRad(wall.DiagonalAngle)));
    const float xL = x - half + e - s.OffsetLeft;
    const float xR = x + half + e + s.OffsetRight;
    const float yf = y0 - wall.FoundationThickness + c; // axis of the bottom bars

    const Point a{x + e - c, y0 + wall.DiagonalRise / 2 * t};
    bars.b = {x + half + e - c, y0 + (half - c) * t};
    bars.b2 = {x - half + e + c, y0 + (half - c) * t};

    // Each bar starts where its line meets the bottom bars, but not beyond the wall's border.
    LineHit p = lineIntersection({xL, yf}, {xR, yf}, a, bars.b);
    LineHit p2 = lineIntersection({xL, yf}, {xR, yf}, a, bars.b2);
    if (!p.hasPoint() || !p2.hasPoint())
        return bars;
    bars.p = p.point;
    bars.p2 = p2.point;
    LineHit q = lineIntersection({xL, 1000}, {xL, -1000}, a, bars.b);
    if (q.hasPoint() && q.point.x > bars.p.x)
        bars.p = q.point;
    LineHit q2 = lineIntersection({xR, 1000}, {xR, -1000}, a, bars.b2);
    if (q2.hasPoint() && q2.point.x < bars.p2.x)
        bars.p2 = q2.point;

    if (!finite(bars.p) || !finite(bars.p2) || !finite(bars.b) || !finite(bars.b2))
        return bars;
    double ld = roundHalfEven(distance(bars.p2.x, bars.p2.y, bars.b2.x, bars.b2.y));
    if (!std::isfinite(ld) || ld > 32767.0)
        return bars;
    bars.length = static_cast<int>(ld);
    bars.valid = true;
    return bars;
}

} // namespace murcad
