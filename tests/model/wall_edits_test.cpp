// Tests of the border offset of every storey.
#include "model/wall_edits.h"
#include "wall_fixture_gui.h"

#include <gtest/gtest.h>

using namespace murcad;

TEST(BorderOffset, DecimalCommaSetsEveryLeftOffsetAndRefitsSections) {
    Wall w = testing_gui::threeStoreyWall();
    insertHorizontalSection(w, 700);
    w.Storeys[1].OffsetLeft = 40;
    ASSERT_TRUE(applyBorderOffset(w, BorderSide::Left, "12,5"));
    for (const Storey &s : w.Storeys) {
        EXPECT_FLOAT_EQ(s.OffsetLeft, 12.5f); // replaced, not added
        EXPECT_FLOAT_EQ(s.OffsetRight, 0.0f);
    }
    EXPECT_FLOAT_EQ(w.HorizSections[0].X1, -212.5f);
}

TEST(BorderOffset, EmptyTextSetsTheRightOffsetsToZero) {
    Wall w = testing_gui::threeStoreyWall();
    for (Storey &s : w.Storeys)
        s.OffsetRight = 7;
    ASSERT_TRUE(applyBorderOffset(w, BorderSide::Right, ""));
    for (const Storey &s : w.Storeys)
        EXPECT_FLOAT_EQ(s.OffsetRight, 0.0f);
}

TEST(BorderOffset, TextOrNegativeValueChangesNothing) {
    Wall w = testing_gui::threeStoreyWall();
    Wall before = w;
    EXPECT_FALSE(applyBorderOffset(w, BorderSide::Left, "dieci"));
    EXPECT_FALSE(applyBorderOffset(w, BorderSide::Left, "-5"));
    EXPECT_EQ(w, before);
}

TEST(BorderOffset, WallWithoutStoreysStaysAsItWas) {
    Wall w;
    EXPECT_TRUE(applyBorderOffset(w, BorderSide::Left, "10"));
    EXPECT_TRUE(w.Storeys.empty());
}

TEST(BorderOffset, CaptionNamesTheSide) {
    EXPECT_STREQ(borderOffsetCaption(BorderSide::Left), "Offset bordo sinistro");
    EXPECT_STREQ(borderOffsetCaption(BorderSide::Right), "Offset bordo destro");
}
