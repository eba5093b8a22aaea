// Cell order and geometry of the colour picker's palette of 255 colour indexes.
#include "colours/colour_picker_cells.h"

namespace murcad {

namespace {
constexpr int kShadeByRow[10] = {8, 6, 4, 2, 0, 1, 3, 5, 7, 9};
constexpr int kLastRow[15] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 250, 251, 252, 253, 254, 255};
constexpr int kPaleGap = 15;
constexpr int kMargin = 5;
} // namespace

int pickerCellIndex(int cell) {
    if (cell < 0 || cell >= kPickerCellCount)
        return 0;
    if (cell < 240)
        return 10 + 10 * (cell % 24) + kShadeByRow[cell / 24];
    return kLastRow[cell - 240];
}

PickerCellRect pickerCellRect(int cell) {
    PickerCellRect r;
    if (cell < 0 || cell >= kPickerCellCount)
        return r;
    int row = cell / 24, col = cell % 24;
    int top = kMargin + row * kPickerCellPitch;
    if (row >= 5)
        top += kPaleGap; // the pale rows and the last row sit below a wider gap
    if (row >= 10)
        top += kPaleGap;
    r.left = kMargin + col * kPickerCellPitch;
    r.top = top;
    r.right = r.left + kPickerCellSize;
    r.bottom = r.top + kPickerCellSize;
    return r;
}

int pickerCellOfIndex(int aciIndex) {
    for (int c = 0; c < kPickerCellCount; ++c)
        if (pickerCellIndex(c) == aciIndex)
            return c;
    return -1;
}

int pickerCellAt(int x, int y) {
    for (int c = 0; c < kPickerCellCount; ++c) {
        PickerCellRect r = pickerCellRect(c);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return c;
    }
    return -1;
}

int pickerPaletteWidth() {
    return kMargin + 24 * kPickerCellPitch;
}

int pickerPaletteHeight() {
    return pickerCellRect(kPickerCellCount - 1).bottom + kMargin;
}

} // namespace murcad
