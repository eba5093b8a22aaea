// Number routines shared by the files, the drawings, the dialogs and the report.
#pragma once

#include <string>
#include <string_view>

namespace murcad {

/// Replaces the first "," by "." (later commas stay); the form every file and grid value uses.
std::string dotDecimal(std::string_view s);

/// The value of the leading number of s after dotDecimal; 0 when s starts with no number.
/// Accepts a comma or a point as decimal separator ("12,5" gives 12.5, "1,2,3" gives 1.2).
float parseNumber(std::string_view s);

/// Like parseNumber but tells whether s held a number at all (for input validation).
bool tryParseNumber(std::string_view s, float &value);

/// Formats value with a fixed number of decimals ("0" pattern when decimals < 1), rounding
/// halves away from zero in decimal, never a thousands separator, always a point.
std::string formatNumber(double value, int decimals);

/// Euclidean distance of two points.
float distance(float x1, float y1, float x2, float y2);

/// Rounds down to a multiple of 0.5: 12.74 gives 12.5, 12.49 gives 12.
float floorToHalf(float v);

/// Diameter in mm of one of the 4 bars of a diagonal of area (cm²), rounded up and made even.
int diagonalBarDiameter(float area);

/// Radians to degrees.
double radiansToDegrees(double a);

/// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double v);

/// Text of a whole number as number-to-text conversion writes it: a leading blank when not
/// negative (" 7", "-3").
std::string signedText(long long v);

} // namespace murcad
