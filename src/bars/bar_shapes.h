// The bent shape of each laid-out bar in space: its centreline as a polyline, with the legs,
// hooks and bends that its cut length in the bill of materials pays for.
#pragma once

#include "bars/bar_layout.h"

#include <vector>

namespace murcad {

/// A point of a bar's centreline in the layout's frame (cm): x along the wall from its
/// reference axis, y the level, z across the thickness from the near face.
struct BarPoint3 {
    float x = 0, y = 0, z = 0;
};

using BarLine = std::vector<BarPoint3>;

/// A straight vertical bar from its bottom to its top.
BarLine verticalBarLine(const VerticalBar &bar);

/// A starter bar of the foundation: the bottom leg across the thickness towards the other
/// layer, on the bottom bars of the foundation, then up to its top in the storey above. A
/// bar of a central layer has no bottom leg.
BarLine starterBarLine(const Wall &wall, const VerticalBar &bar);

/// A horizontal bar along the storey with an end leg at each end bent across the thickness
/// towards the other layer: the leg is the thickness less both covers, at most 15 cm.
BarLine horizontalBarLine(const Wall &wall, const HorizontalBar &bar);

/// A closed stirrup round an edge zone with its two hooks bent inwards at 45 degrees: the
/// hook is 10 cm, shorter in thin walls (the thickness less both covers, less 1.5 cm).
BarLine stirrupLine(const Wall &wall, const Stirrup &stirrup);

/// The tie wire linking two bars across the thickness at one level: the same construction
/// as the tie drawn in the sections, hooked round both bars.
BarLine tieLine(const Tie &tie);

/// A straight diagonal bar.
BarLine diagonalBarLine(const DiagonalBar &bar);

} // namespace murcad
