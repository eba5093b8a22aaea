// The palette of the colour picker: which colour index each of the 255 cells shows, and where.
#pragma once

namespace murcad {

inline constexpr int kPickerCellCount = 255;
inline constexpr int kPickerCellSize = 20;  ///< side of a cell, in picker units
inline constexpr int kPickerCellPitch = 25; ///< cell side plus the gap

/// A cell rectangle in picker units (right and bottom exclusive).
struct PickerCellRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

/// The colour index cell c shows (c 0..254): rows of 24 hues, plain shades from dark to full then
/// pale shades from full to dark, and last the basic colours 1..9 and the greys 250..255.
/// 0 for a cell outside 0..254.
int pickerCellIndex(int cell);

/// The rectangle of cell c: 24 cells to a row from (5, 5) with pitch 25, the pale rows 15 units
/// further down, the last row below them.
PickerCellRect pickerCellRect(int cell);

/// The cell showing a colour index, or -1.
int pickerCellOfIndex(int aciIndex);

/// The cell at a point in picker units, or -1 when the point is in no cell.
int pickerCellAt(int x, int y);

/// Width and height of the whole palette in picker units (with a 5-unit margin).
int pickerPaletteWidth();
int pickerPaletteHeight();

} // namespace murcad
