// The bars of one storey as the detailing checks see them, from the counts of the bill of
// materials.
#include "checks/storey_bars.h"

#include "bars/bar_counts.h"

#include <algorithm>

namespace murcad {

namespace {

/// n bars evenly from a to b (one bar in the middle).
std::vector<double> evenRow(double a, double b, int n) {
    std::vector<double> xs;
    if (n <= 0)
        return xs;
    if (n == 1)
        return {(a + b) / 2};
    for (int k = 0; k < n; ++k)
        xs.push_back(a + (b - a) * k / (n - 1));
    return xs;
}

/// n web bars spread evenly over the span a..b, each standing in the middle of its share.
std::vector<double> spreadRow(double a, double b, int n) {
    std::vector<double> xs;
    for (int k = 0; k < n; ++k)
        xs.push_back(a + (b - a) * (k + 0.5) / n);
    return xs;
}

/// Widest spacing of the stirrups of storey i: the horizontal spacing when any set stands
/// above the closely spaced base zone, else the base zone's spacing; 0 without stirrups.
double widestStirrupSpacing(const StirrupZones &z) {
    if (z.sets <= 0)
        return 0;
    return z.sets > z.baseSets ? z.spacing : z.critSpacing;
}

} // namespace

StoreyBars storeyBars(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    StoreyBars b;
    b.drawnLength = static_cast<double>(s.OffsetLeft) + s.Length + s.OffsetRight;
    b.height = s.Height;
    b.edgeZones = w.NoEdgeZones == 0 && s.EdgeLength > 0;
    b.faces = w.NoEdgeZones != 0 && w.SingleLayerVert != 0 ? 1 : 2;
    double c = w.Cover;
    double L = b.drawnLength;

    // End bars: the edge zones' set A, or one bar at each end of a wall without edge zones.
    EdgeBarCount edge = edgeBarCount(w, i);
    int perRow = edgeBarsPerRow(w, i);
    double d = edge.diameter / 10.0;
    if (b.edgeZones) {
        b.edgeLength = s.EdgeLength;
        b.rows.push_back({CheckZone::LeftEdge, edge.diameter, evenRow(c + d, s.EdgeLength - d, perRow)});
        b.rows.push_back(
            {CheckZone::RightEdge, edge.diameter, evenRow(L - s.EdgeLength + d, L - c - d, perRow)});
    } else {
        b.rows.push_back({CheckZone::LeftEdge, edge.diameter, evenRow(c + d, c + d, perRow)});
        b.rows.push_back({CheckZone::RightEdge, edge.diameter, evenRow(L - c - d, L - c - d, perRow)});
    }
    // Web bars over the span between the edge zones and the covers.
    int webPerFace = webCount(w, i) / (w.SingleLayerVert == 0 ? 2 : 1);
    double e = std::max(0.0f, s.EdgeLength);
    b.rows.push_back({CheckZone::Web, s.DiamB, spreadRow(c + e, L - c - e, webPerFace)});

    b.horizontalDiameter = s.HorizDiam;
    b.horizontalCount = horizontalBarCount(w, i);
    b.horizontalSpacing = b.horizontalCount > 0 ? s.HorizSpacing : 0;

    if (b.edgeZones) {
        b.stirrupDiameter = s.HorizDiam;
        b.stirrupSpacingMax = widestStirrupSpacing(stirrupZones(w, i));
    }
    if (w.NoEdgeZones == 0) {
        b.tieDiameter = w.TieDiameter;
        b.ties = tieCount(w, i);
        b.webTies = webTieCount(w, i);
    }
    return b;
}

} // namespace murcad
