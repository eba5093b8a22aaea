// Section tables: insertion ranges, sorting and numbering, vertical reach, refit, full tables.
#include "model/wall.h"

#include <gtest/gtest.h>

using namespace murcad;

namespace {

// Three storeys of 300 on a base at 0; storey 2 is shorter and shifted left.
Wall threeStoreys() {
    Wall w;
    w.BaseLevel = 0;
    w.TotalHeight = 900;
    w.Storeys.resize(3);
    for (int i = 0; i < 3; ++i) {
        w.Storeys[i].TopLevel = 300.0f * (i + 1);
        w.Storeys[i].Length = 400;
        w.Storeys[i].BaseZoneHeight = 300;
    }
    w.Storeys[2].Length = 200;
    w.Storeys[2].Shift = -100; // spans -200 .. 0
    w.StoreyLevels = {300, 600, 900};
    computeStoreyHeights(w);
    computeStoreyRange(w);
    return w;
}

} // namespace

TEST(HorizontalSections, LevelsOutsideTheWallInsertNothing) {
    Wall w = threeStoreys();
    EXPECT_EQ(insertHorizontalSection(w, 0), InsertResult::OutOfRange);
    EXPECT_EQ(insertHorizontalSection(w, -5), InsertResult::OutOfRange);
    EXPECT_EQ(insertHorizontalSection(w, 900), InsertResult::OutOfRange);
    EXPECT_EQ(w.horizSectionCount(), 0);
    EXPECT_EQ(insertHorizontalSection(w, 0.5f), InsertResult::Inserted);
    EXPECT_EQ(w.horizSectionCount(), 1);
}

TEST(HorizontalSections, InsertedTopFirstAreNumberedFromTheBottom) {
    Wall w = threeStoreys();
    w.Storeys[1].OffsetLeft = 10;
    w.Storeys[1].OffsetRight = 20;
    w.Storeys[1].BaseZoneHeight = 100;
    insertHorizontalSection(w, 750);
    insertHorizontalSection(w, 450);
    insertHorizontalSection(w, 150);
    ASSERT_EQ(w.horizSectionCount(), 3);
    EXPECT_FLOAT_EQ(w.HorizSections[0].Y1, 150);
    EXPECT_FLOAT_EQ(w.HorizSections[1].Y1, 450);
    EXPECT_FLOAT_EQ(w.HorizSections[2].Y1, 750);
    const HorizSection &mid = w.HorizSections[1];
    EXPECT_EQ(mid.StoreyIndex, 1);
    EXPECT_FLOAT_EQ(mid.X1, -210);
    EXPECT_FLOAT_EQ(mid.X2, 220);
    EXPECT_EQ(mid.AboveBaseZone, 1); // 300 + 100 < 450
    EXPECT_EQ(w.HorizSections[0].AboveBaseZone, 0);
}

TEST(HorizontalSections, AFullTableRefusesTheInsertion) {
    Wall w = threeStoreys();
    for (int i = 0; i < kMaxHorizSections; ++i)
        ASSERT_EQ(insertHorizontalSection(w, 1.0f + i * 4), InsertResult::Inserted);
    EXPECT_EQ(insertHorizontalSection(w, 850), InsertResult::TableFull);
    EXPECT_EQ(w.horizSectionCount(), kMaxHorizSections);
}

TEST(VerticalSections, ACutReachesUpToTheFirstStoreyThatDoesNotCoverIt) {
    Wall w = threeStoreys();
    EXPECT_EQ(insertVerticalSection(w, 100), InsertResult::Inserted);
    ASSERT_EQ(w.vertSectionCount(), 1);
    const VertSection &v = w.VertSections[0];
    EXPECT_EQ(v.StoreyIndex, 0);
    EXPECT_EQ(v.TopStorey, 2);
    EXPECT_FLOAT_EQ(v.Y1, 0);
    EXPECT_FLOAT_EQ(v.Y2, 600);
    EXPECT_FLOAT_EQ(v.X1, 100);
    EXPECT_FLOAT_EQ(v.X2, 100);
    // A cut every storey covers runs to the top.
    insertVerticalSection(w, -100);
    EXPECT_EQ(w.VertSections[0].TopStorey, 3);
    EXPECT_FLOAT_EQ(w.VertSections[0].Y2, 900);
    EXPECT_FLOAT_EQ(w.VertSections[0].X1, -100); // sorted by abscissa
    EXPECT_EQ(insertVerticalSection(w, 200), InsertResult::OutOfRange);
    EXPECT_EQ(insertVerticalSection(w, -250), InsertResult::OutOfRange);
}

TEST(VerticalSections, AFullTableRefusesTheInsertion) {
    Wall w = threeStoreys();
    for (int i = 0; i < kMaxVertSections; ++i)
        ASSERT_EQ(insertVerticalSection(w, -190.0f + i * 7), InsertResult::Inserted);
    EXPECT_EQ(insertVerticalSection(w, 0.5f), InsertResult::TableFull);
}

TEST(Sections, RemoveMovesLaterRecordsDownAndIgnoresBadIndexes) {
    Wall w = threeStoreys();
    insertHorizontalSection(w, 100);
    insertHorizontalSection(w, 400);
    insertHorizontalSection(w, 700);
    removeHorizontalSection(w, 0);
    removeHorizontalSection(w, 7);
    removeHorizontalSection(w, -1);
    ASSERT_EQ(w.horizSectionCount(), 2);
    EXPECT_FLOAT_EQ(w.HorizSections[0].Y1, 400);
    insertVerticalSection(w, 10);
    removeVerticalSection(w, 0);
    EXPECT_EQ(w.vertSectionCount(), 0);
}

TEST(Sections, RefitFollowsTheBorderOffsets) {
    Wall w = threeStoreys();
    insertHorizontalSection(w, 100);
    insertHorizontalSection(w, 700);
    for (Storey &s : w.Storeys)
        s.OffsetLeft = 30;
    refitHorizontalSections(w);
    EXPECT_FLOAT_EQ(w.HorizSections[0].X1, -230);
    EXPECT_FLOAT_EQ(w.HorizSections[1].X1, -230); // storey 2: -200 - 30
    EXPECT_FLOAT_EQ(w.HorizSections[1].X2, 0);
}

TEST(Sections, DefaultsCutEachStoreyOnceOrTwiceAndTheMiddleVertically) {
    Wall w = threeStoreys();
    w.Storeys[0].BaseZoneHeight = 100; // two cuts: 50 and 200
    w.Storeys[1].BaseZoneHeight = 0;   // one cut at 450
    makeDefaultSections(w);            // storey 2: zone = height, one cut at 750
    ASSERT_EQ(w.horizSectionCount(), 4);
    EXPECT_FLOAT_EQ(w.HorizSections[0].Y1, 50);
    EXPECT_FLOAT_EQ(w.HorizSections[1].Y1, 200);
    EXPECT_FLOAT_EQ(w.HorizSections[2].Y1, 450);
    EXPECT_FLOAT_EQ(w.HorizSections[3].Y1, 750);
    ASSERT_EQ(w.vertSectionCount(), 1);
    EXPECT_FLOAT_EQ(w.VertSections[0].X1, 0); // (-200 + 200) / 2
}

TEST(Sections, AWallWithoutStoreysTakesNoHorizontalCut) {
    Wall w;
    w.TotalHeight = 300;
    EXPECT_EQ(insertHorizontalSection(w, 100), InsertResult::OutOfRange);
    refitHorizontalSections(w);
    EXPECT_EQ(w.horizSectionCount(), 0);
}
