// Hand-built walls shared by the take-off tests.
#pragma once

#include "model/wall.h"

namespace murcad::test {

/// Wall 7: 30 cm thick, cover 3, foundation 50, two storeys 300 cm long with 45 cm edge
/// zones (4 + 4 bars of 16 per zone), web 10/20, horizontal bars 8/20, ties of 6.
/// Storey 1 is 300 high with a 100 cm base zone, storey 2 is 280 high without one.
inline Wall twoStoreyWall() {
    Wall w;
    w.WallNumber = 7;
    w.Thickness = 30;
    w.Cover = 3;
    w.LapFactor = 40;
    w.FoundationThickness = 50;
    w.TieDiameter = 6;
    Storey s;
    s.Length = 300;
    s.EdgeLength = 45;
    s.DiamA = 16;
    s.CountA = 4;
    s.DiamB = 10;
    s.WebSpacing = 20;
    s.HorizDiam = 8;
    s.HorizSpacing = 20;
    s.Height = 300;
    s.BaseZoneHeight = 100;
    w.Storeys.push_back(s);
    s.Height = 280;
    s.BaseZoneHeight = 0;
    w.Storeys.push_back(s);
    return w;
}

} // namespace murcad::test
