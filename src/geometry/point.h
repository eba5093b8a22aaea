// A point in world centimetres (x to the right, y upwards), shared by the bar geometry routines.
#pragma once

namespace murcad {

/// A point in world centimetres.
struct Point {
    float x = 0;
    float y = 0;

    bool operator==(const Point &) const = default;
};

} // namespace murcad
