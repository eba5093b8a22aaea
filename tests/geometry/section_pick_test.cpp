// Tests of picking section marks under the pointer, their names and their deletion.
#include "geometry/section_pick.h"
#include "model/wall_fixture_gui.h"

#include <gtest/gtest.h>

using namespace murcad;

namespace {
// One pixel per centimetre, world y 0 on pixel row 1000.
PixelTransform identity() {
    return {[](float x) { return x; }, [](float y) { return 1000 - y; }};
}
} // namespace

TEST(SectionPick, HorizontalMarkReachesHundredCentimetresBeyondTheWallPlusTolerance) {
    Wall w = testing_gui::threeStoreyWall();
    insertHorizontalSection(w, 150);
    const float ex = 500; // elevation axis
    // The mark runs from x 500-200-100 = 200 to 500+200+100 = 800 at y 150 (row 850).
    EXPECT_EQ(sectionsUnderPointer(w, ex, 400, 850, identity()).size(), 1u);
    EXPECT_EQ(sectionsUnderPointer(w, ex, 193, 857, identity()).size(), 1u); // borders count
    EXPECT_TRUE(sectionsUnderPointer(w, ex, 192, 850, identity()).empty());
    EXPECT_TRUE(sectionsUnderPointer(w, ex, 400, 858, identity()).empty());
}

TEST(SectionPick, VerticalMarkAndOverlapReportHorizontalFirst) {
    Wall w = testing_gui::threeStoreyWall();
    insertHorizontalSection(w, 150);
    insertVerticalSection(w, 0);
    auto hits = sectionsUnderPointer(w, 500, 500, 850, identity());
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_TRUE(hits[0].horizontal);
    EXPECT_FALSE(hits[1].horizontal);
    // The vertical mark runs 100 cm below the base: row 1100.
    EXPECT_EQ(sectionsUnderPointer(w, 500, 503, 1105, identity()).size(), 1u);
}

TEST(SectionPick, QuestionsNameHorizontalByNumberAndVerticalByLetter) {
    EXPECT_EQ(deleteSectionQuestion({true, 1}), "Vuoi cancellare la sezione  2?");
    EXPECT_EQ(deleteSectionQuestion({false, 0}), "Vuoi cancellare la sezione A?");
    // Beyond Z the question names the cut as its mark on the sheet does.
    EXPECT_EQ(deleteSectionQuestion({false, 26}), "Vuoi cancellare la sezione AA?");
}

TEST(SectionPick, DeletingTwoOverlappingCutsRemovesEachOnceWithTheRightIndex) {
    Wall w = testing_gui::threeStoreyWall();
    for (float y : {100.0f, 104.0f, 108.0f, 600.0f})
        insertHorizontalSection(w, y);
    auto hits = sectionsUnderPointer(w, 500, 400, 1000 - 104, identity());
    ASSERT_EQ(hits.size(), 3u);
    std::vector<std::string> asked;
    int removed = deleteSections(w, hits, [&](const SectionHit &h) {
        asked.push_back(sectionName(h));
        return h.index != 1; // keep the second
    });
    EXPECT_EQ(removed, 2);
    EXPECT_EQ(asked, (std::vector<std::string>{" 1", " 2", " 3"}));
    ASSERT_EQ(w.horizSectionCount(), 2);
    EXPECT_FLOAT_EQ(w.HorizSections[0].Y1, 104.0f);
    EXPECT_FLOAT_EQ(w.HorizSections[1].Y1, 600.0f);
}
