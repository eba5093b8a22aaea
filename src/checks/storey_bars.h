// The bars of one storey as the detailing checks see them: vertical bars per zone and face with
// their positions along the wall, horizontal bars, stirrups and ties.
#pragma once

#include "checks/detailing_checks.h"
#include "model/wall.h"

#include <vector>

namespace murcad {

/// The vertical bars of one zone on one face of the wall.
struct VerticalRow {
    CheckZone zone = CheckZone::Web;
    int diameter = 0;               ///< mm
    std::vector<double> positions;  ///< bar axes along the storey, cm from its drawn left end
};

/// Every bar of one storey that a detailing rule is about.
struct StoreyBars {
    double drawnLength = 0;         ///< cm, border offsets included
    double height = 0;              ///< cm
    int faces = 2;                  ///< layers of vertical bars: 2, or 1 for a single layer
    std::vector<VerticalRow> rows;  ///< the rows of one face; the other face mirrors them

    int horizontalDiameter = 0;     ///< mm
    int horizontalCount = 0;        ///< bars over the storey height, all layers
    double horizontalSpacing = 0;   ///< cm between adjacent bars of one layer, 0 = none

    bool edgeZones = false;         ///< the storey has two edge zones with stirrups
    double edgeLength = 0;          ///< cm, length of each edge zone
    int stirrupDiameter = 0;        ///< mm
    double stirrupSpacingMax = 0;   ///< cm, the widest stirrup spacing in the storey, 0 = none

    int tieDiameter = 0;            ///< mm
    int ties = 0;                   ///< ties of the whole storey (edge zones and web)
    int webTies = 0;                ///< ties of the web alone
};

/// The bars of storey i of the wall, counted as the bill of materials counts them.
StoreyBars storeyBars(const Wall &wall, int i);

} // namespace murcad
