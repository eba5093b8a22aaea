// Shape codes, legs and bend angles of every bar family, from the take-off's length rules.
#include "bars/bar_bending.h"

#include "bars/bar_counts.h"
#include "bars/bar_layout.h"
#include "bars/bar_lengths.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace murcad {

namespace {

/// Keeps the positive legs with their bends; the bend after the last leg is 0.
void setLegs(BarBending &b, std::vector<int> legs, std::vector<int> angles) {
    b.legs.clear();
    b.angles.clear();
    for (std::size_t k = 0; k < legs.size(); ++k)
        if (legs[k] > 0) {
            b.legs.push_back(legs[k]);
            b.angles.push_back(angles[k]);
        }
    if (!b.angles.empty())
        b.angles.back() = 0;
}

void straight(BarBending &b, int length) {
    b.shapeCode = "00";
    setLegs(b, {length}, {0});
}

/// A vertical bar of storey i: straight, one lap above the storey, or bent into the slab at
/// the top of the wall.
void storeyBar(BarBending &b, const Wall &w, int i, int length) {
    if (i < w.storeyCount() - 1) {
        straight(b, length);
        return;
    }
    const int up = nearestInt(static_cast<double>(w.Storeys[i].Height) - w.Cover);
    const int across = length - up;
    if (up <= 0 || across <= 0) {
        straight(b, length);
        return;
    }
    b.shapeCode = "11";
    setLegs(b, {up, across}, {90, 0});
}

/// A foundation starter: the foot on the foundation's bottom bars, then up.
void starterBar(BarBending &b, const Wall &w, int length) {
    const int foot = std::max(nearestInt(static_cast<double>(w.Thickness) - 2.0 * w.Cover), 0);
    if (foot <= 0 || length - foot <= 0) {
        straight(b, length);
        return;
    }
    b.shapeCode = "11";
    setLegs(b, {foot, length - foot}, {90, 0});
}

void horizontalBar(BarBending &b, const Wall &w, int length) {
    const int leg = nearestInt(horizontalBarLeg(w));
    if (leg <= 0 || length - 2 * leg <= 0) {
        straight(b, length);
        return;
    }
    b.shapeCode = "21";
    setLegs(b, {leg, length - 2 * leg, leg}, {90, 90, 0});
}

void stirrup(BarBending &b, const Wall &w, int length) {
    const int hook = nearestInt(stirrupHook(w));
    const int side = nearestInt(clearWidth(w));
    const int rest = length - 2 * hook - 2 * side;
    const int long1 = rest / 2, long2 = rest - long1;
    b.shapeCode = "51";
    setLegs(b, {hook, side, long1, side, long2, hook}, {90, 90, 90, 90, 90, 0});
    if (b.cutLength() != length) // an edge zone shorter than the cover: no loop to bend
        straight(b, length);
}

/// A tie round the bars of both layers: tails beside the bars, bends round them (as wide as
/// the layers' stagger along the wall, which leaves room for the thickest bar and the tie),
/// the run across long enough to pass outside the bars of both layers.
void tie(BarBending &b, const Wall &w, int i, int length) {
    const Storey &s = w.Storeys[i];
    const int wrap = static_cast<int>(std::lround(layerStagger(w)));
    double need = 0;
    for (int d : {edgeBarCount(w, i).diameter, s.DiamB})
        need = std::max(need, static_cast<double>(verticalBarZ(w, BarFace::Far, d)) -
                                  verticalBarZ(w, BarFace::Near, d) +
                                  (d + w.TieDiameter) / 10.0);
    int across = std::max(static_cast<int>(std::ceil(need - 1e-4)), 0);
    int tails = length - 2 * wrap - across;
    if (tails < 0) {
        across = std::max(length - 2 * wrap, 0);
        tails = length - 2 * wrap - across;
    }
    const int tail1 = tails / 2, tail2 = tails - tail1;
    b.shapeCode = "99";
    setLegs(b, {tail1, wrap, across, wrap, tail2}, {90, 90, 90, 90, 0});
    if (b.cutLength() != length)
        straight(b, length);
}

} // namespace

int BarBending::cutLength() const {
    return std::accumulate(legs.begin(), legs.end(), 0);
}

BarBending barBending(const Wall &w, BarFamily f, int i) {
    BarBending b;
    b.family = f;
    b.storey = i;
    const int n = w.storeyCount();
    if (n == 0)
        return b;
    if (f == BarFamily::EdgeStarters || f == BarFamily::WebStarters) {
        b.storey = -1;
        if (!(w.FoundationThickness > 0))
            return b;
        const bool edge = f == BarFamily::EdgeStarters;
        b.diameter = edge ? edgeBarCount(w, 0).diameter : w.Storeys[0].DiamB;
        const int length = edge ? lFerriFondaC(w) : lFerriFondaSt(w);
        if (b.diameter > 0 && length > 0)
            starterBar(b, w, length);
        return b;
    }
    if (f == BarFamily::Diagonals) {
        b.storey = 0;
        const DiagonalLayout d = diagonalBars(w);
        b.diameter = d.diameter;
        if (d.diameter > 0 && d.length > 0 && !d.bars.empty())
            straight(b, d.length);
        return b;
    }
    if (i < 0 || i >= n)
        return b;
    const Storey &s = w.Storeys[i];
    int length = 0;
    switch (f) {
    case BarFamily::EdgeBars:
        b.diameter = edgeBarCount(w, i).diameter;
        length = lFerriPianoC(w, i);
        if (b.diameter > 0 && length > 0)
            storeyBar(b, w, i, length);
        break;
    case BarFamily::WebBars:
        b.diameter = s.DiamB;
        length = lFerriPianoSt(w, i);
        if (b.diameter > 0 && length > 0)
            storeyBar(b, w, i, length);
        break;
    case BarFamily::HorizontalBars:
        b.diameter = s.HorizDiam;
        length = lFerriOr(w, i);
        if (b.diameter > 0 && length > 0)
            horizontalBar(b, w, length);
        break;
    case BarFamily::Stirrups:
        b.diameter = s.HorizDiam;
        length = lStaffa(w, i);
        if (w.NoEdgeZones == 0 && b.diameter > 0 && length > 0)
            stirrup(b, w, length);
        break;
    case BarFamily::Ties:
        b.diameter = w.TieDiameter;
        length = nearestInt(lLegatura(w));
        if (w.NoEdgeZones == 0 && b.diameter > 0 && length > 0)
            tie(b, w, i, length);
        break;
    default:
        break;
    }
    return b;
}

std::vector<BarBending> storeyBendings(const Wall &w, int i) {
    std::vector<BarBending> out;
    for (BarFamily f : {BarFamily::EdgeBars, BarFamily::WebBars, BarFamily::HorizontalBars,
                        BarFamily::Stirrups, BarFamily::Ties}) {
        BarBending b = barBending(w, f, i);
        if (!b.legs.empty())
            out.push_back(std::move(b));
    }
    return out;
}

} // namespace murcad
