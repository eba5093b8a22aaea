// Section cuts placed by number: the levels and abscissas a cut may take, and moving a cut.
#pragma once

#include "model/wall.h"

namespace murcad {

/// The open interval of values a new cut may take (a click outside it inserts nothing).
struct CutRange {
    float low = 0;
    float high = 0;
};

/// Levels a horizontal cut may take: strictly between the base and the top of the wall.
CutRange horizontalCutRange(const Wall &w);
/// Abscissas a vertical cut may take: strictly between the ends of the widest storey.
CutRange verticalCutRange(const Wall &w);

/// Moves horizontal cut k to level y as a new click there would place it: the storey cut, the
/// ends and the place in the sorted table follow. When y does not cut the wall, or k names no
/// cut, the table stays exactly as it was and OutOfRange is returned.
InsertResult moveHorizontalSection(Wall &w, int k, float y);
/// Moves vertical cut k to abscissa x, with the same rules.
InsertResult moveVerticalSection(Wall &w, int k, float x);

} // namespace murcad
