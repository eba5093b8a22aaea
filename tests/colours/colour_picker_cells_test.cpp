// Tests of the colour picker's cell order and geometry.
#include "colours/colour_picker_cells.h"

#include <gtest/gtest.h>

#include <set>

using namespace murcad;

TEST(ColourPickerCells, KnownCellsShowTheirIndexes) {
    EXPECT_EQ(pickerCellIndex(0), 18);
    EXPECT_EQ(pickerCellIndex(96), 10);
    EXPECT_EQ(pickerCellIndex(120), 11);
    EXPECT_EQ(pickerCellIndex(23), 248);
    EXPECT_EQ(pickerCellIndex(240), 1);
    EXPECT_EQ(pickerCellIndex(248), 9);
    EXPECT_EQ(pickerCellIndex(249), 250);
    EXPECT_EQ(pickerCellIndex(254), 255);
    EXPECT_EQ(pickerCellIndex(255), 0);
}

TEST(ColourPickerCells, EveryIndexOneTo255AppearsExactlyOnce) {
    std::set<int> seen;
    for (int c = 0; c < kPickerCellCount; ++c)
        seen.insert(pickerCellIndex(c));
    EXPECT_EQ(seen.size(), 255u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 255);
    for (int i : {1, 10, 130, 255})
        EXPECT_EQ(pickerCellIndex(pickerCellOfIndex(i)), i);
}

TEST(ColourPickerCells, CellsHavePitchTwentyFiveAndPaleRowsSitLower) {
    PickerCellRect r0 = pickerCellRect(0), r1 = pickerCellRect(1), r24 = pickerCellRect(24);
    EXPECT_EQ(r0.left, 5);
    EXPECT_EQ(r0.top, 5);
    EXPECT_EQ(r0.right - r0.left, 20);
    EXPECT_EQ(r1.left - r0.left, 25);
    EXPECT_EQ(r24.top - r0.top, 25);
    EXPECT_EQ(pickerCellRect(120).top - pickerCellRect(96).top, 25 + 15);
    EXPECT_EQ(pickerCellAt(r1.left + 3, r1.top + 3), 1);
    EXPECT_EQ(pickerCellAt(r0.right + 2, r0.top + 2), -1); // in the gap
    EXPECT_GE(pickerPaletteHeight(), pickerCellRect(254).bottom);
}
