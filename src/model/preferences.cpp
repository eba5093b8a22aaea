// Tie diameter and lap factor as the preferences dialog reads them.
#include "model/preferences.h"

#include "geometry/numbers.h"

#include <cmath>

namespace murcad {

bool acceptTieDiameter(std::string_view text, int &diameter) {
    float v = 0;
    if (!tryParseNumber(text, v) || !std::isfinite(v))
        return false;
    double d = roundHalfEven(v);
    if (d < kMinTieDiameter || d > kMaxTieDiameter)
        return false;
    diameter = static_cast<int>(d);
    return true;
}

bool acceptLapFactor(std::string_view text, float &factor, std::string &refusal) {
    return limits::acceptValue(limits::kLapFactorLimit, text, factor, refusal);
}

} // namespace murcad
