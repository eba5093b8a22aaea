// The borders, levels and lap lengths of one storey as the elevation and sections use them.
#pragma once

#include "model/wall.h"

namespace murcad {

/// Derived values of storey i of a wall drawn with its reference axis at x = X.
struct StoreyFrame {
    float Y = 0;                ///< bottom level of the storey
    float Ytop = 0;             ///< top level
    float H = 0;                ///< height
    float xL = 0;               ///< left border (with the user's offset)
    float xR = 0;               ///< right border
    float xLc = 0;              ///< bar axis next to the left border
    float xRc = 0;              ///< bar axis next to the right border
    float xL3 = 0;              ///< inner end of the left edge zone
    float xR3 = 0;              ///< inner end of the right edge zone
    float dA = 0;               ///< set A diameter in cm
    float lapA = 0;             ///< lap of set A bars (cm)
    float lapB = 0;             ///< lap of set B bars (cm)
    float critTieSpacing = 0;   ///< tie spacing in the base zone
    float storeyTieSpacing = 0; ///< the storey's tie spacing (set value, else critical)
};

/// Bottom level of storey i: the base level plus the heights of the storeys below.
float storeyBottomLevel(const Wall &wall, int i);

/// The frame of storey i (0 <= i < storey count) for the reference axis X.
StoreyFrame storeyFrame(const Wall &wall, int i, float X);

/// The level written at the top of storey i: the file's storey level when known, else the
/// storey's top level.
float storeyLevel(const Wall &wall, int i);

/// Lap or anchorage length of a bar of the given diameter (mm), in cm.
float lapLength(const Wall &wall, int diameterMm);

} // namespace murcad
