// Every bar of a wall as the IFC export writes it: the bar layout's families per storey and
// the foundation, each bar's centreline and the cut length the bill of materials counts.
#pragma once

#include "ifc/ifc_model.h"
#include "model/wall.h"

#include <vector>

namespace murcad {

/// The bar groups of a wall: per storey its edge-zone and web vertical bars, horizontal bars,
/// stirrups and ties; the foundation's starter bars; the diagonal bars (with storey 0).
std::vector<BarGroup> wallBarGroups(const Wall &wall);

} // namespace murcad
