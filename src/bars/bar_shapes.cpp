// Bar centrelines in space from the bar layout and the legs of each family's bending.
#include "bars/bar_shapes.h"

#include <cmath>

namespace murcad {

namespace {

float leg(const BarBending &b, std::size_t k) {
    return k < b.legs.size() ? static_cast<float>(b.legs[k]) : 0.0f;
}

/// +1 when a bar at z bends towards the far face (a near bar), -1 towards the near face.
float acrossSign(BarFace face) {
    return face == BarFace::Far ? -1.0f : 1.0f;
}

/// Along the wall towards its reference axis.
float alongSign(float x) {
    return x > 0 ? -1.0f : 1.0f;
}

/// The first leg's end point of a bar bent by 90 degrees at p (foot or top leg): across the
/// thickness for a layer at a face, along the wall for a central layer.
BarPoint3 bentEnd(BarPoint3 p, BarFace face, float length) {
    if (face == BarFace::Middle)
        p.x += alongSign(p.x) * length;
    else
        p.z += acrossSign(face) * length;
    return p;
}

} // namespace

BarLine storeyBarLine(const BarBending &b, const VerticalBar &bar) {
    const BarPoint3 foot{bar.x, bar.bottom, bar.z};
    const BarPoint3 top{bar.x, bar.bottom + leg(b, 0), bar.z};
    if (b.legs.size() < 2) {
        // A bar beyond the border of the storey above stops a cover under the storey top; the
        // lap the bill still counts for it is bent along the wall, under the slab, towards
        // the wall's axis, so that it stays in the concrete.
        const float up = bar.top - bar.bottom;
        if (up > 0 && up < leg(b, 0) - 0.5f) {
            const BarPoint3 bend{bar.x, bar.top, bar.z};
            BarPoint3 end = bend;
            end.x += alongSign(bar.x) * (leg(b, 0) - up);
            return {foot, bend, end};
        }
        return {foot, top};
    }
    return {foot, top, bentEnd(top, bar.face, leg(b, 1))};
}

BarLine starterBarLine(const BarBending &b, const VerticalBar &bar) {
    const BarPoint3 corner{bar.x, bar.bottom, bar.z};
    if (b.legs.size() < 2)
        return {corner, {bar.x, bar.bottom + leg(b, 0), bar.z}};
    return {bentEnd(corner, bar.face, leg(b, 0)), corner,
            {bar.x, bar.bottom + leg(b, 1), bar.z}};
}

BarLine horizontalBarLine(const BarBending &b, const HorizontalBar &bar, float middle) {
    const float dir = bar.x2 >= bar.x1 ? 1.0f : -1.0f;
    if (b.legs.size() < 3)
        return {{bar.x1, bar.y, bar.z}, {bar.x1 + dir * leg(b, 0), bar.y, bar.z}};
    const float l = leg(b, 0), run = leg(b, 1), r = leg(b, 2);
    const float x2 = bar.x1 + dir * run;
    if (bar.face == BarFace::Middle) {
        // Towards the storey's middle level: up in its lower half, down in its upper half.
        const float up = bar.y <= middle ? 1.0f : -1.0f;
        return {{bar.x1, bar.y + up * l, bar.z},
                {bar.x1, bar.y, bar.z},
                {x2, bar.y, bar.z},
                {x2, bar.y + up * r, bar.z}};
    }
    const float s = acrossSign(bar.face);
    return {{bar.x1, bar.y, bar.z + s * l},
            {bar.x1, bar.y, bar.z},
            {x2, bar.y, bar.z},
            {x2, bar.y, bar.z + s * r}};
}

BarLine stirrupLine(const BarBending &b, const Stirrup &st) {
    const float sx = st.x2 >= st.x1 ? 1.0f : -1.0f;
    const float sz = st.z2 >= st.z1 ? 1.0f : -1.0f;
    if (b.legs.size() != 6) // no loop to bend: a straight piece along the zone
        return {{st.x1, st.y, st.z1}, {st.x1 + sx * leg(b, 0), st.y, st.z1}};
    const float h = leg(b, 0), side = leg(b, 1), long1 = leg(b, 2), side2 = leg(b, 3);
    const float long2 = leg(b, 4), h2 = leg(b, 5);
    const float rise = static_cast<float>(b.diameter) / 10;
    // The loop centred on the rectangle the layout gives (the bars it wraps).
    const float x0 = (st.x1 + st.x2) / 2 - sx * long1 / 2;
    const float z0 = (st.z1 + st.z2) / 2 - sz * side / 2;
    const float xFar = x0 + sx * long1;
    const float xBack = xFar - sx * long2;
    const float zBack = z0 + sz * (side - side2);
    // Both hooks at the corner (x0, z0), each along a side, outside the bars: the first on
    // the closing side's line, the second on the first side's. The closing side rises by one
    // diameter, so that each hook lies on a side in contact rather than through it; its length
    // grows by rise^2 / (2 long2), a few hundredths of a millimetre.
    return {{x0 + sx * h, st.y, z0},
            {x0, st.y, z0},
            {x0, st.y, z0 + sz * side},
            {xFar, st.y, z0 + sz * side},
            {xFar, st.y, zBack},
            {xBack, st.y + rise, zBack},
            {xBack, st.y + rise, zBack + sz * h2}};
}

BarLine tieLine(const BarBending &b, const Tie &t) {
    const float s = t.z2 >= t.z1 ? 1.0f : -1.0f;
    const float zc = (t.z1 + t.z2) / 2;
    if (b.legs.size() != 5) // a tie too short to wrap its bars: straight across
        return {{t.x, t.y, zc - s * leg(b, 0) / 2}, {t.x, t.y, zc + s * leg(b, 0) / 2}};
    const float tail1 = leg(b, 0), wrap = leg(b, 1), across = leg(b, 2), tail2 = leg(b, 4);
    const float r = wrap / 2;
    const float za = zc - s * across / 2, zb = zc + s * across / 2;
    // The run across passes between the near bar and the far one, one stagger along the wall;
    // where both stand at one x, it passes beside both and the tie returns round the far bar.
    const bool staggered = std::fabs(t.x2 - t.x) > 1e-3f;
    const float sx = staggered && t.x2 < t.x ? -1.0f : 1.0f;
    const float xEnd = staggered ? t.x + sx * (r + wrap) : t.x - sx * r;
    return {{t.x - sx * r, t.y, za + s * tail1}, {t.x - sx * r, t.y, za},
            {t.x + sx * r, t.y, za},             {t.x + sx * r, t.y, zb},
            {xEnd, t.y, zb},                     {xEnd, t.y, zb - s * tail2}};
}

BarLine diagonalBarLine(const BarBending &b, const DiagonalBar &bar) {
    const float dx = bar.p1.x - bar.p0.x, dy = bar.p1.y - bar.p0.y;
    const float len = std::hypot(dx, dy);
    const float f = len > 0 ? leg(b, 0) / len : 0.0f;
    return {{bar.p0.x, bar.p0.y, bar.z}, {bar.p0.x + dx * f, bar.p0.y + dy * f, bar.z}};
}

double barLineLength(const BarLine &l) {
    double s = 0;
    for (std::size_t i = 1; i < l.size(); ++i)
        s += std::hypot(static_cast<double>(l[i].x) - l[i - 1].x,
                        static_cast<double>(l[i].y) - l[i - 1].y,
                        static_cast<double>(l[i].z) - l[i - 1].z);
    return s;
}

} // namespace murcad
