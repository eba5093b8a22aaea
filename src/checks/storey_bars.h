// The bars of one storey as the detailing checks see them: steel areas per face and zone, bar
// positions along each face, and the spacings of horizontal bars and stirrups, all read from
// the storey's bar layout.
#pragma once

#include "checks/detailing_checks.h"
#include "model/wall.h"

#include <vector>

namespace murcad {

/// The vertical bars of one zone on one layer of the wall.
struct VerticalRow {
    CheckZone zone = CheckZone::Web;
    int layer = 0;                 ///< 0 near face or central layer, 1 far face
    int diameter = 0;              ///< mm
    std::vector<double> positions; ///< bar axes along the wall, cm
};

/// Steel and bar sizes of one zone, both faces.
struct ZoneSteel {
    double area = 0;  ///< cm²
    int largest = 0;  ///< mm, 0 when the zone has no bars
    int smallest = 0; ///< mm
};

/// Every bar of one storey that a detailing rule is about.
struct StoreyBars {
    double drawnLength = 0; ///< cm, border offsets included
    double height = 0;      ///< cm
    int faces = 2;          ///< layers of vertical bars at the faces: 2, or 1 for a central layer
    std::vector<VerticalRow> rows;
    double verticalArea = 0;  ///< every vertical bar, cm²
    double leastFaceArea = 0; ///< the face with less steel, cm² (0 for a central layer)
    ZoneSteel left, right, all;

    int horizontalDiameter = 0;   ///< mm
    int horizontalCount = 0;      ///< bars over the storey height, all layers
    double horizontalSpacing = 0; ///< cm, widest distance between adjacent levels; 0 = none

    bool edgeZones = false;        ///< the storey has two edge zones with stirrups
    double edgeLength = 0;         ///< cm, length of each edge zone
    int stirrupDiameter = 0;       ///< mm
    double stirrupSpacingMax = 0;  ///< cm, widest distance between adjacent stirrups; 0 = none

    int tieDiameter = 0; ///< mm
    int ties = 0;        ///< ties of the whole storey (edge zones and web)
    int webTies = 0;     ///< ties of the web alone
};

/// The bars of storey i of the wall, as the bill of materials counts them and the drawings
/// place them.
StoreyBars storeyBars(const Wall &wall, int i);

} // namespace murcad
