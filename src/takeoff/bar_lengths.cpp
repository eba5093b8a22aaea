// Cut lengths and counts of the bar groups of one storey.
#include "takeoff/bar_lengths.h"

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

/// Drawn length of storey i: the wall and both border offsets.
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

int lStaffa(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    double n = std::floor(static_cast<double>(w.Thickness) - 2.0 * w.Cover);
    double hook = n > 10 ? 10.0 : n - 1.5;
    return nearestInt(2.0 * (s.EdgeLength - w.Cover) + 2.0 * n + 2.0 * hook);
}

int lFerriOr(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    double leg = std::min(std::floor(static_cast<double>(w.Thickness) - 2.0 * w.Cover), 15.0);
    return nearestInt(std::floor(drawnLength(s) - 2.0 * w.Cover) + 2.0 * leg);
}

namespace {
/// Starter bar from the bottom bars of the foundation, anchored one lap into storey 0.
int foundationBar(const Wall &w, int diameterMm) {
    int n = nearestInt(static_cast<double>(w.Thickness) - 2.0 * w.Cover);
    return nearestInt(0.1 * w.LapFactor * diameterMm + n + w.FoundationThickness - w.Cover);
}
} // namespace

int lFerriFondaC(const Wall &w) {
    return foundationBar(w, w.Storeys[0].DiamA);
}

int lFerriFondaSt(const Wall &w) {
    return foundationBar(w, w.Storeys[0].DiamB);
}

namespace {
/// Vertical bar of storey i: one lap above the storey, or up to the top of the wall.
int storeyBar(const Wall &w, int i, int diameterMm) {
    const Storey &s = w.Storeys[i];
    if (i >= w.storeyCount() - 1)
        return nearestInt(static_cast<double>(w.Thickness) + s.Height - 3.0 * w.Cover);
    return nearestInt(0.1 * w.LapFactor * diameterMm + s.Height);
}
} // namespace

int lFerriPianoC(const Wall &w, int i) {
    return storeyBar(w, i, w.Storeys[i].DiamA);
}

int lFerriPianoSt(const Wall &w, int i) {
    return storeyBar(w, i, w.Storeys[i].DiamB);
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

int stirrupSets(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    float spacing = tieSpacing(s.HorizSpacing, s.DiamA);
    if (!(spacing > 0))
        return 0;
    int c;
    if (0.1 * w.LapFactor * s.DiamA + s.BaseZoneHeight < s.Height) {
        if (s.BaseZoneHeight <= 0)
            c = nearestInt(static_cast<double>(s.Height) / s.HorizSpacing);
        else
            c = nearestInt((static_cast<double>(s.Height) - s.BaseZoneHeight) / s.HorizSpacing +
                           nearestInt(static_cast<double>(s.BaseZoneHeight) / spacing));
    } else {
        c = nearestInt(static_cast<double>(s.Height) / spacing);
    }
    return std::max(c, 0);
}

int horizontalBarCount(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    if (!(s.HorizSpacing > 0))
        return 0;
    int layers = floorInt(static_cast<double>(s.Height) / s.HorizSpacing);
    int n = w.SingleLayerHoriz != 0 ? layers : nearestInt(2.0 * layers);
    return std::max(n, 0);
}

int tieCount(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    int web = floorInt((drawnLength(s) - 2.0 * s.EdgeLength) * s.Height * 9.0 / 10000.0);
    long long n = static_cast<long long>(std::max(web, 0)) +
                  static_cast<long long>(std::max(s.CountA, 0)) * stirrupSets(w, i);
    return static_cast<int>(std::min<long long>(n, INT_MAX));
}

float rowWeight(int diameterMm, int count, float lengthCm) {
    return static_cast<float>(0.000061653756 * diameterMm * diameterMm * count * lengthCm);
}

int diameterClass(int diameterMm) {
    return std::max(nearestInt(diameterMm / 2.0), 0);
}

} // namespace murcad
