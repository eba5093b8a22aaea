// The bounds a wall must respect to be drawn and measured: what a file may hold.
#pragma once

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

} // namespace murcad::limits
