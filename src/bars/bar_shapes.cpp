// Bar centrelines in space from the bar layout.
#include "bars/bar_shapes.h"

#include "geometry/bar_geometry.h"

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {

/// Across the thickness from z towards the other layer by d (towards the far face from a
/// near bar, towards the near face from a far one).
float towardsOtherLayer(const Wall &wall, float z, float d) {
    return z <= wall.Thickness / 2 ? z + d : z - d;
}

} // namespace

BarLine verticalBarLine(const VerticalBar &bar) {
    return {{bar.x, bar.bottom, bar.z}, {bar.x, bar.top, bar.z}};
}

BarLine starterBarLine(const Wall &wall, const VerticalBar &bar) {
    if (bar.face == BarFace::Middle)
        return verticalBarLine(bar);
    // The leg along the foundation's bottom bars: the thickness less both covers, as the
    // vertical section draws it and the bill of materials counts it.
    float leg = std::max(0.0f, std::round(wall.Thickness - 2 * wall.Cover));
    float zEnd = towardsOtherLayer(wall, bar.z, leg);
    return {{bar.x, bar.bottom, zEnd}, {bar.x, bar.bottom, bar.z}, {bar.x, bar.top, bar.z}};
}

BarLine horizontalBarLine(const Wall &wall, const HorizontalBar &bar) {
    if (bar.face == BarFace::Middle)
        return {{bar.x1, bar.y, bar.z}, {bar.x2, bar.y, bar.z}};
    float leg = std::clamp(std::floor(wall.Thickness - 2 * wall.Cover), 0.0f, 15.0f);
    float zEnd = towardsOtherLayer(wall, bar.z, leg);
    return {{bar.x1, bar.y, zEnd},
            {bar.x1, bar.y, bar.z},
            {bar.x2, bar.y, bar.z},
            {bar.x2, bar.y, zEnd}};
}

BarLine stirrupLine(const Wall &wall, const Stirrup &s) {
    float n = std::floor(wall.Thickness - 2 * wall.Cover);
    float hook = n > 10 ? 10.0f : std::max(0.0f, n - 1.5f);
    // Both hooks at the corner (x1, z1), bent into the zone at 45 degrees. The first starts
    // 2 cm up the side at x1 so that the two hooks lie side by side rather than on one line
    // (a wire that ends where it began would read as a closed ring).
    float h = hook / std::sqrt(2.0f);
    float dx = s.x2 >= s.x1 ? h : -h;
    float dz = s.z2 >= s.z1 ? h : -h;
    float side = std::min(2.0f, std::fabs(s.z2 - s.z1) / 4);
    float sz = s.z2 >= s.z1 ? side : -side;
    return {{s.x1 + dx, s.y, s.z1 + sz + dz}, {s.x1, s.y, s.z1 + sz}, {s.x1, s.y, s.z2},
            {s.x2, s.y, s.z2},                {s.x2, s.y, s.z1},      {s.x1, s.y, s.z1},
            {s.x1 + dx, s.y, s.z1 + dz}};
}

BarLine tieLine(const Tie &tie) {
    // The wire in the plane of the level: first coordinate along the wall, second across.
    TieWire wire = tieShape({tie.x, tie.z1}, {tie.x, tie.z2});
    BarLine line;
    line.reserve(wire.points.size());
    for (const Point &p : wire.points)
        line.push_back({p.x, tie.y, p.y});
    return line;
}

BarLine diagonalBarLine(const DiagonalBar &bar) {
    return {{bar.p0.x, bar.p0.y, bar.z}, {bar.p1.x, bar.p1.y, bar.z}};
}

} // namespace murcad
