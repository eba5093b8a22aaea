// Cut lengths and counts of the bar groups of one storey.
#include "bars/bar_lengths.h"

#include "geometry/bar_geometry.h"
#include "geometry/numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace murcad {

namespace {

/// Drawn length of storey i: the wall and both border offsets.
double drawnLength(const Storey &s) {
    return static_cast<double>(s.OffsetRight) + s.Length + s.OffsetLeft;
}

} // namespace

double clearWidth(const Wall &w) {
    return std::max(std::floor(static_cast<double>(w.Thickness) - 2.0 * w.Cover), 0.0);
}

double stirrupHook(const Wall &w) {
    const double n = clearWidth(w);
    return n > 10 ? 10.0 : std::max(n - 1.5, 0.0);
}

double horizontalBarLeg(const Wall &w) {
    return std::min(clearWidth(w), 15.0);
}

int lStaffa(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    return nearestInt(2.0 * (s.EdgeLength - w.Cover) + 2.0 * clearWidth(w) +
                      2.0 * stirrupHook(w));
}

int lFerriOr(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    return nearestInt(std::floor(drawnLength(s) - 2.0 * w.Cover) + 2.0 * horizontalBarLeg(w));
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

float lLegatura(const Wall &w) {
    return tieLength({0, 0}, {w.Thickness - 2 * w.Cover, 0});
}

float rowWeight(int diameterMm, int count, float lengthCm) {
    return static_cast<float>(0.000061653756 * diameterMm * diameterMm * count * lengthCm);
}

int diameterClass(int diameterMm) {
    return std::max(nearestInt(diameterMm / 2.0), 0);
}

} // namespace murcad
