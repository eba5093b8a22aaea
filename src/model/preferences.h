// The rules of the preferences dialog: lap length factor and tie diameter.
#pragma once

#include <string_view>

namespace murcad {

inline constexpr int kMinTieDiameter = 4;
inline constexpr int kMaxTieDiameter = 20;

/// Reads the tie diameter box: the number rounded to a whole millimetre (halves to even).
/// Returns true and sets diameter when it lies in 4..20 mm; false leaves diameter unchanged.
bool acceptTieDiameter(std::string_view text, int &diameter);

/// Reads the lap factor box (lap length in bar diameters); a text that is no number gives 0.
float lapFactorFromText(std::string_view text);

} // namespace murcad
