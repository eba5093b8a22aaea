// The bent shape of each laid-out bar in space: its centreline as a polyline built from the
// legs and bends of its family's bending record, so that every solid is as long as the bar the
// bill of materials counts.
#pragma once

#include "bars/bar_bending.h"
#include "bars/bar_layout.h"

#include <vector>

namespace murcad {

/// A point of a bar's centreline in the layout's frame (cm): x along the wall from its
/// reference axis, y the level, z across the thickness from the near face.
struct BarPoint3 {
    float x = 0, y = 0, z = 0;
};

using BarLine = std::vector<BarPoint3>;

/// A vertical bar of a storey from its bottom up its first leg; in the top storey its second
/// leg is bent into the slab, across the thickness towards the other layer (along the wall
/// towards the wall's axis for a central layer, which has no room across). A bar the layout
/// stops under the storey top (nothing above it) is bent there along the wall towards the
/// wall's axis for the rest of its length.
BarLine storeyBarLine(const BarBending &bending, const VerticalBar &bar);

/// A starter bar of the foundation: the foot on the foundation's bottom bars across the
/// thickness towards the other layer (along the wall towards its axis for a central layer),
/// then up its second leg.
BarLine starterBarLine(const BarBending &bending, const VerticalBar &bar);

/// A horizontal bar from its left end: a leg at each end bent across the thickness towards
/// the other layer and the run along the storey. A central layer has no room across: its legs
/// are bent towards the storey's middle level (middle), up in the lower half, down above.
BarLine horizontalBarLine(const BarBending &bending, const HorizontalBar &bar, float middle);

/// A closed stirrup round an edge zone, centred on the rectangle x1..x2, z1..z2: both hooks at
/// one corner along the sides, and the closing side rising by one bar diameter so that the
/// hooks and the sides they lie along touch rather than pass through each other.
BarLine stirrupLine(const BarBending &bending, const Stirrup &stirrup);

/// A tie linking two bars at one level: a tail beside the first bar, a bend round its outside,
/// the run across beside both bars, a bend round the other bar and the tail beside it.
BarLine tieLine(const BarBending &bending, const Tie &tie);

/// A straight diagonal bar from its first end, as long as the bill counts it.
BarLine diagonalBarLine(const BarBending &bending, const DiagonalBar &bar);

/// Developed length of a centreline (cm).
double barLineLength(const BarLine &line);

} // namespace murcad
