// How many bars of each family a storey carries.
#include "bars/bar_counts.h"

#include "geometry/bar_geometry.h"
#include "geometry/numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace murcad {

namespace {

int floorInt(double v) {
    if (!(v > INT_MIN))
        return INT_MIN;
    if (!(v < INT_MAX))
        return INT_MAX;
    return static_cast<int>(std::floor(v));
}

/// Drawn length of a storey: the wall and both border offsets.
double drawnLength(const Storey &s) {
    return static_cast<double>(s.OffsetRight) + s.Length + s.OffsetLeft;
}

} // namespace

int nearestInt(double v) {
    if (std::isnan(v))
        return 0;
    double r = roundHalfEven(v);
    if (r <= INT_MIN)
        return INT_MIN;
    if (r >= INT_MAX)
        return INT_MAX;
    return static_cast<int>(r);
}

EdgeBarCount edgeBarCount(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    EdgeBarCount e;
    if (w.NoEdgeZones != 0) {
        e.diameter = s.DiamA != 0 ? s.DiamA : s.DiamB;
        e.count = w.SingleLayerVert != 0 ? 2 : 4;
    } else {
        e.diameter = s.DiamA;
        e.count = 4 * std::max(s.CountA, 0);
    }
    return e;
}

int edgeBarsPerRow(const Wall &w, int i) {
    return w.NoEdgeZones != 0 ? 1 : std::max(w.Storeys[i].CountA, 0);
}

int webCount(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    if (!(s.WebSpacing > 0))
        return 0;
    int n = floorInt((drawnLength(s) - 2.0 * (w.Cover + s.EdgeLength)) / s.WebSpacing);
    // A web shorter than one spacing, or none at all, still carries one bar per layer.
    if (n < 1)
        n = 1;
    if (w.SingleLayerVert == 0)
        n *= 2;
    return n;
}

StirrupZones stirrupZones(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    StirrupZones z;
    z.critSpacing = tieSpacing(s.HorizSpacing, s.DiamA);
    z.spacing = s.HorizSpacing;
    if (!(z.critSpacing > 0))
        return z;
    if (0.1 * w.LapFactor * s.DiamA + s.BaseZoneHeight < s.Height) {
        if (s.BaseZoneHeight <= 0) {
            z.sets = nearestInt(static_cast<double>(s.Height) / s.HorizSpacing);
        } else {
            z.baseSets = nearestInt(static_cast<double>(s.BaseZoneHeight) / z.critSpacing);
            z.sets = nearestInt(
                (static_cast<double>(s.Height) - s.BaseZoneHeight) / s.HorizSpacing + z.baseSets);
            z.baseHeight = s.BaseZoneHeight;
        }
    } else {
        // The base zone and its lap reach the top: the whole storey at the critical spacing.
        z.sets = nearestInt(static_cast<double>(s.Height) / z.critSpacing);
        z.baseSets = z.sets;
        z.baseHeight = s.Height;
    }
    z.sets = std::max(z.sets, 0);
    z.baseSets = std::clamp(z.baseSets, 0, z.sets);
    return z;
}

int stirrupSets(const Wall &w, int i) {
    return stirrupZones(w, i).sets;
}

int horizontalBarLevels(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    if (!(s.HorizSpacing > 0))
        return 0;
    return std::max(floorInt(static_cast<double>(s.Height) / s.HorizSpacing), 0);
}

int horizontalBarCount(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    if (!(s.HorizSpacing > 0))
        return 0;
    int layers = floorInt(static_cast<double>(s.Height) / s.HorizSpacing);
    int n = w.SingleLayerHoriz != 0 ? layers : nearestInt(2.0 * layers);
    return std::max(n, 0);
}

int webTieCount(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    return std::max(floorInt((drawnLength(s) - 2.0 * s.EdgeLength) * s.Height * 9.0 / 10000.0), 0);
}

int edgeTieCount(const Wall &w, int i) {
    long long n = static_cast<long long>(std::max(w.Storeys[i].CountA, 0)) * stirrupSets(w, i);
    return static_cast<int>(std::min<long long>(n, INT_MAX));
}

int tieCount(const Wall &w, int i) {
    long long n = static_cast<long long>(webTieCount(w, i)) + edgeTieCount(w, i);
    return static_cast<int>(std::min<long long>(n, INT_MAX));
}

} // namespace murcad
