// The bill of materials as JSON: the structured take-off with the model's names.
#pragma once

#include "takeoff/takeoff.h"

#include <string>

namespace murcad {

/// JSON text of the run: "Walls" (each with WallFile, WallNumber, Tables with their Rows,
/// Diagonal, WallSteel, WallConcrete, SteelRatio, WallByDiameter), the totals (WallsComputed,
/// TotalSteel, TotalConcrete, SteelRatio, TotalByDiameter) and the skipped files. Numbers are
/// unrounded (shortest form of the stored value); a missing ratio is null. Steel by diameter
/// lists the classes that carry steel as {"Class", "Diameter" (2 x class, 0 for stirrups and
/// ties), "Weight"}.
std::string takeoffJson(const TakeoffRun &run);

} // namespace murcad
