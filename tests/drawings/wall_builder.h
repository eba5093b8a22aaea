// Walls built by hand for the drawing tests: a plain storey, a wall of n storeys, sections.
#pragma once

#include "model/wall.h"

namespace murcad::test {

/// A 30 cm wall storey, 300 cm long with 60 cm edge zones, bars of sets A and B.
inline Storey plainStorey(float top, float height) {
    Storey s;
    s.TopLevel = top;
    s.Height = height;
    s.Length = 300;
    s.EdgeLength = 60;
    s.DiamA = 16;
    s.CountA = 6;
    s.CountB = 4;
    s.DiamB = 12;
    s.WebSpacing = 20;
    s.HorizDiam = 10;
    s.HorizSpacing = 20;
    s.TieSpacingSet = 0;
    s.BaseZoneHeight = 0;
    return s;
}

/// A wall of n storeys of 300 cm on a base level, 30 cm thick, cover 3, 50 cm foundation.
inline Wall plainWall(int n, float baseLevel = 0) {
    Wall w;
    w.WallNumber = 7;
    w.BaseLevel = baseLevel;
    w.FoundationThickness = 50;
    w.Thickness = 30;
    w.Cover = 3;
    w.LapFactor = 40;
    w.TieDiameter = 8;
    float top = baseLevel;
    for (int i = 0; i < n; ++i) {
        top += 300;
        w.Storeys.push_back(plainStorey(top, 300));
        w.StoreyLevels.push_back(top);
    }
    w.TotalHeight = top - baseLevel;
    computeStoreyRange(w);
    return w;
}

/// A horizontal cut through storey k at level y across the whole storey.
inline HorizSection horizCut(const Wall &w, int k, float y) {
    HorizSection h;
    const Storey &s = w.Storeys[k];
    h.X1 = -s.Length / 2 + s.Shift - s.OffsetLeft;
    h.X2 = s.Length / 2 + s.Shift + s.OffsetRight;
    h.Y1 = h.Y2 = y;
    h.StoreyIndex = k;
    return h;
}

/// A vertical cut at abscissa x through storeys first .. top - 1, from level y1 to y2.
inline VertSection vertCut(float x, float y1, float y2, int first, int top) {
    VertSection v;
    v.X1 = v.X2 = x;
    v.Y1 = y1;
    v.Y2 = y2;
    v.StoreyIndex = first;
    v.TopStorey = top;
    return v;
}

} // namespace murcad::test
