// The rules of the preferences dialog: lap length factor and tie diameter.
#pragma once

#include "model/wall_limits.h"

#include <string>
#include <string_view>

namespace murcad {

inline constexpr int kMinTieDiameter = static_cast<int>(limits::kTieDiameterLimit.lo);
inline constexpr int kMaxTieDiameter = static_cast<int>(limits::kTieDiameterLimit.hi);

/// Reads the tie diameter box: the number rounded to a whole millimetre (halves to even).
/// Returns true and sets diameter when it lies in 4..20 mm; false leaves diameter unchanged.
bool acceptTieDiameter(std::string_view text, int &diameter);

/// Reads the lap factor box (lap length in bar diameters, kept with one decimal). A text that
/// is not a number or lies outside the limits is refused: factor is unchanged and refusal
/// names the field and the allowed range.
bool acceptLapFactor(std::string_view text, float &factor, std::string &refusal);

} // namespace murcad
