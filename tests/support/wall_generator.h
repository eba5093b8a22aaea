// Generated walls for property tests: edge zones or none, one or two layers, offsets, shifted
// storeys, base zones shorter or longer than the storey, foundations and diagonal bars.
#pragma once

#include "model/wall.h"

#include <algorithm>
#include <random>

namespace murcad::test {

/// A wall drawn from seed: 1 to 5 storeys, with its default sections and a vertical cut in an
/// edge zone. The same seed always gives the same wall.
inline Wall generatedWall(unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto chance = [&](int percent) { return pick(1, 100) <= percent; };
    static const int diameters[] = {8, 10, 12, 14, 16, 20, 24};
    auto diameter = [&]() { return diameters[pick(0, 6)]; };

    Wall w;
    w.WallNumber = static_cast<int>(seed % 100);
    w.Thickness = static_cast<float>(pick(16, 40));
    w.Cover = static_cast<float>(pick(3, 5));
    w.LapFactor = 40;
    w.TieDiameter = chance(50) ? 6 : 8;
    w.BaseLevel = static_cast<float>(pick(-3, 3) * 50);
    w.FoundationThickness = chance(75) ? static_cast<float>(pick(5, 10) * 10) : 0;
    w.NoEdgeZones = chance(30) ? 1 : 0;
    w.SingleLayerVert = chance(30) ? 1 : 0;
    w.SingleLayerHoriz = chance(30) ? 1 : 0;
    const int n = pick(1, 5);
    float top = w.BaseLevel;
    for (int i = 0; i < n; ++i) {
        Storey s;
        s.Height = static_cast<float>(pick(25, 45) * 10);
        top += s.Height;
        s.TopLevel = top;
        s.Length = static_cast<float>(pick(15, 80) * 10);
        s.Shift = chance(25) ? static_cast<float>(pick(-4, 4) * 10) : 0;
        s.EdgeLength =
            w.NoEdgeZones != 0 ? 0 : (chance(10) ? 0 : static_cast<float>(pick(3, 9) * 10));
        // The edge zones always leave some web between them.
        s.Length = std::max(s.Length, 2 * s.EdgeLength + 40);
        s.DiamA = diameter();
        s.CountA = pick(1, 8);
        s.CountB = pick(1, 6);
        s.DiamB = diameter();
        s.WebSpacing = static_cast<float>(pick(3, 6) * 5);
        s.HorizDiam = diameter();
        s.HorizSpacing = static_cast<float>(pick(2, 5) * 5);
        s.TieSpacingSet = chance(50) ? static_cast<float>(pick(8, 15)) : 0;
        int zone = pick(0, 2); // none, shorter than the storey with its lap, the whole storey
        s.BaseZoneHeight = zone == 0 ? 0 : zone == 1 ? s.Height / 3 : s.Height;
        s.OffsetLeft = chance(25) ? static_cast<float>(pick(1, 4) * 5) : 0;
        s.OffsetRight = chance(25) ? static_cast<float>(pick(1, 4) * 5) : 0;
        s.StoreyExtra = pick(0, 3);
        w.Storeys.push_back(s);
        w.StoreyLevels.push_back(top);
    }
    w.TotalHeight = top - w.BaseLevel;
    if (chance(30)) {
        w.DiagonalDiameter = 2 * pick(5, 10);
        w.DiagonalAngle = static_cast<float>(pick(30, 60));
        w.DiagonalRise = static_cast<float>(pick(50, 150));
    }
    computeStoreyRange(w);
    makeDefaultSections(w);
    // A second vertical cut through the left edge zone of the first storey.
    const Storey &s0 = w.Storeys[0];
    if (s0.EdgeLength > 0)
        insertVerticalSection(w, -s0.Length / 2 + s0.Shift + s0.EdgeLength / 2);
    return w;
}

} // namespace murcad::test
