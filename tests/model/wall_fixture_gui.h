// A small hand-built three-storey wall for the tests of the grid, edits and section picking.
#pragma once

#include "model/wall.h"

namespace murcad::testing_gui {

/// Three storeys of 300 cm on a 20 cm foundation at level 0; 400 cm long, no sections.
inline Wall threeStoreyWall() {
    Wall w;
    w.WallFile = "/tmp/P1.PAR";
    w.BaseLevel = 0;
    w.FoundationThickness = 60;
    w.Thickness = 30;
    for (int i = 0; i < 3; ++i) {
        Storey s;
        s.TopLevel = 300.0f * (i + 1);
        s.Length = 400;
        s.Height = 300;
        s.BaseZoneHeight = 100;
        w.Storeys.push_back(s);
        w.StoreyLevels.push_back(s.TopLevel);
    }
    w.TotalHeight = 900;
    computeStoreyRange(w);
    return w;
}

} // namespace murcad::testing_gui
