// A horizontal section of the wall with its bars, ties, labels and small bar schedule.
#pragma once

#include "draw/surface.h"
#include "model/wall.h"

#include <string>

namespace murcad {

/// Title of horizontal section index (0-based): "Sezione 1 - 1" for index 0.
std::string horizSectionTitle(int index);

/// Level of the bottom of horizontal section index on the sheet: the sections are stacked
/// upwards from the base level, one every 6 thicknesses (at least 28 cm thick).
float horizSectionBase(const Wall &wall, int index);

/// Draws horizontal section index (0-based) at the left of the sheet.
void drawHorizontalSection(Surface &s, const Wall &wall, int index);

} // namespace murcad
