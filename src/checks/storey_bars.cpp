// The bars of one storey as the detailing checks see them, from the counts of the bill of
// materials.
#include "checks/storey_bars.h"

#include "geometry/bar_geometry.h"
#include "takeoff/bar_lengths.h"

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

/// Widest spacing of the stirrups of storey i: the base zone at the edge-zone spacing, the
/// rest at the horizontal spacing, as the bill of materials counts the sets.
double widestStirrupSpacing(const Wall &w, const Storey &s) {
    float baseSpacing = tieSpacing(s.HorizSpacing, s.DiamA);
    if (!(baseSpacing > 0))
        return 0;
    bool twoZones = 0.1 * w.LapFactor * s.DiamA + s.BaseZoneHeight < s.Height;
    if (!twoZones)
        return baseSpacing;
    return s.HorizSpacing;
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
    if (b.edgeZones) {
        double d = s.DiamA / 10.0;
        b.edgeLength = s.EdgeLength;
        b.rows.push_back({CheckZone::LeftEdge, s.DiamA, evenRow(c + d, s.EdgeLength - d, s.CountA)});
        b.rows.push_back(
            {CheckZone::RightEdge, s.DiamA, evenRow(L - s.EdgeLength + d, L - c - d, s.CountA)});
    } else {
        int diam = s.DiamA != 0 ? s.DiamA : s.DiamB;
        double d = diam / 10.0;
        b.rows.push_back({CheckZone::LeftEdge, diam, {c + d}});
        b.rows.push_back({CheckZone::RightEdge, diam, {L - c - d}});
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
        b.stirrupSpacingMax = stirrupSets(w, i) > 0 ? widestStirrupSpacing(w, s) : 0;
    }
    if (w.NoEdgeZones == 0) {
        b.tieDiameter = w.TieDiameter;
        b.ties = tieCount(w, i);
        b.webTies = std::max(0, b.ties - std::max(s.CountA, 0) * stirrupSets(w, i));
    }
    return b;
}

} // namespace murcad
