// Checks that a loaded wall stays within the bounds the drawings and the take-off rely on.
#pragma once

#include "model/wall.h"

#include <string>

namespace murcad {

/// True when every value of the wall is finite and within the wall limits: levels and lengths
/// up to 100 000 cm, no negative lengths or spacings, diameters up to 100 mm, at most 10 000
/// bars in any row of a storey, sections that name existing storeys. Otherwise problem says,
/// in Italian, which storey or section and which value is out of bounds.
bool checkWallBounds(const Wall &w, std::string &problem);

} // namespace murcad
