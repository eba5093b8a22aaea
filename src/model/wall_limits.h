// The bounds a wall and its settings must respect: what a file may hold and an editor accept.
#pragma once

#include <string>
#include <string_view>

namespace murcad::limits {

/// Levels, lengths, offsets and shifts: a wall is never 1 km long or high.
inline constexpr float kMaxLength = 100000.0f;
/// Bar diameters in mm.
inline constexpr int kMaxDiameter = 100;
/// Edge-zone bars given by one analysis level (both zones together).
inline constexpr int kMaxEdgeBars = 1000;
/// Bars one storey may carry in one family (wall length or storey height over the spacing):
/// a finer spacing would only draw a solid band of steel.
inline constexpr float kMaxBarsPerRow = 10000.0f;
/// Spacings below this (after rounding down to half centimetres) mean "no spacing" (0).
inline constexpr float kMinSpacing = 0.5f;
/// Storeys the data file may list, and rows after boundaries and splits.
inline constexpr int kMaxFileStoreys = 1000;
inline constexpr int kMaxStoreys = 2000;
inline constexpr int kMaxFileLevels = 10000;
inline constexpr int kMaxElements = 100000;
/// Diagonal bar area of one diagonal, cm²; angle in degrees.
inline constexpr float kMaxDiagonalArea = 1000.0f;
inline constexpr float kMaxAngle = 360.0f;

/// One value a user types or a file stores, with the range every reader and editor accepts.
/// `decimals` is the precision the value is kept with, so that what is accepted is also what
/// the files write and read back.
struct ValueLimit {
    const char *name; ///< the value as the user knows it
    double lo;
    double hi;
    int decimals;
};

/// Wall values of the property grid and the border offset dialog (cm).
inline constexpr ValueLimit kFoundationLimit{"Spess. fondazione", -kMaxLength, kMaxLength, 1};
inline constexpr ValueLimit kBaseLevelLimit{"Quota iniziale", -kMaxLength, kMaxLength, 1};
inline constexpr ValueLimit kStoreyHeightLimit{"Altezza del piano", 10, kMaxLength, 2};
inline constexpr ValueLimit kBorderOffsetLimit{"Offset del bordo", 0, kMaxLength, 2};
/// Settings: lap length in bar diameters (the companion keeps one decimal), tie diameter (mm),
/// the two boxes of the DXF scale (the settings file keeps three decimals), colours.
inline constexpr ValueLimit kLapFactorLimit{"Numero di diametri", 0, 1000, 1};
inline constexpr ValueLimit kTieDiameterLimit{"Diametro legature (mm)", 4, 20, 0};
inline constexpr ValueLimit kDxfScaleLimit{"Scala", 0.001, 100000, 3};
inline constexpr ValueLimit kLayerColourLimit{"Colore del layer", 0, 255, 0};
inline constexpr ValueLimit kScreenColourLimit{"Colore", 0, 16777215, 0};

/// True when v is a finite number inside the limit (bounds included).
bool withinLimit(const ValueLimit &limit, double v);

/// "da 10 a 100000": the allowed range as the messages write it.
std::string rangeText(const ValueLimit &limit);

/// Reads a value typed by the user (a comma counts as the decimal point), rounds it to the
/// limit's decimals and checks it. On success value is set and true returned; otherwise
/// refusal says, in Italian, which field (label, or the limit's name when empty), what was
/// typed and the allowed range, and value is unchanged. Blank text reads as blankValue when
/// given, else it is refused.
bool acceptValue(const ValueLimit &limit, std::string_view text, float &value,
                 std::string &refusal, std::string_view label = {},
                 const float *blankValue = nullptr);

} // namespace murcad::limits
