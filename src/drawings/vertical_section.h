// A vertical section of the wall: thickness, foundation, bars, ties, bar shapes and levels.
#pragma once

#include "draw/surface.h"
#include "model/wall.h"

#include <string>

namespace murcad {

/// Title of vertical section index: "Sezione A-A" for index 0.
std::string vertSectionTitle(int index);

/// True when the abscissa of vertical section index lies in an edge zone of storey k (the
/// storey's own borders, without the user's offsets).
bool cutInEdgeZone(const Wall &wall, int k, int index);

/// Draws vertical section index with its left face at x = X.
void drawVerticalSection(Surface &s, const Wall &wall, int index, float X);

} // namespace murcad
