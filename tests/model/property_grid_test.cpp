// Tests of the wall property grid: items, captions, ids and the accept/refuse rules of edits.
#include "model/property_grid.h"
#include "wall_fixture_gui.h"

#include <gtest/gtest.h>

using namespace murcad;

TEST(PropertyGrid, ListsFoundationLevelAndThreeItemsPerStorey) {
    Wall w = testing_gui::threeStoreyWall();
    w.Storeys[0].OffsetRight = 12.25f;
    auto items = propertyGridItems(w);
    ASSERT_EQ(items.size(), 2u + 3u * 3u);
    EXPECT_EQ(items[0].caption, "Spess. fondazione");
    EXPECT_EQ(items[0].id, 1);
    EXPECT_EQ(items[0].value, "60.0");
    EXPECT_EQ(items[1].caption, "Quota iniziale");
    EXPECT_EQ(items[1].id, 2);
    EXPECT_EQ(items[2].caption, "H 1");
    EXPECT_EQ(items[2].id, 10);
    EXPECT_EQ(items[2].value, "300.0");
    EXPECT_EQ(items[3].caption, "Offset Dx H 1");
    EXPECT_EQ(items[3].id, 11);
    EXPECT_EQ(items[3].value, "12.3"); // one decimal
    EXPECT_EQ(items[4].caption, "Offset Sx H 1");
    EXPECT_EQ(items[4].id, 12);
    EXPECT_EQ(items[10].caption, "Offset Sx H 3");
    EXPECT_EQ(items[10].id, 32);
}

TEST(PropertyGrid, WallWithoutStoreysShowsOnlyTheFirstTwoItems) {
    Wall w;
    EXPECT_EQ(propertyGridItems(w).size(), 2u);
}

TEST(PropertyGrid, HeightWithDecimalCommaScalesBaseZoneAndMovesLevelsAbove) {
    Wall w = testing_gui::threeStoreyWall();
    GridEditResult r = applyGridEdit(w, 20, "250,5");
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.followUp, GridFollowUp::FitAndRedraw);
    EXPECT_EQ(r.shownText, "250.5");
    EXPECT_FLOAT_EQ(w.Storeys[1].Height, 250.5f);
    EXPECT_FLOAT_EQ(w.Storeys[1].BaseZoneHeight, 100.0f * 250.5f / 300.0f);
    EXPECT_FLOAT_EQ(w.Storeys[0].TopLevel, 300.0f);
    EXPECT_FLOAT_EQ(w.Storeys[1].TopLevel, 550.5f);
    EXPECT_FLOAT_EQ(w.Storeys[2].TopLevel, 850.5f);
    EXPECT_FLOAT_EQ(w.TotalHeight, 850.5f);
}

TEST(PropertyGrid, HeightBelowTenIsRefusedAndTenIsAccepted) {
    Wall w = testing_gui::threeStoreyWall();
    GridEditResult r = applyGridEdit(w, 10, "9.9");
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.shownText, "300.0");
    EXPECT_FLOAT_EQ(w.Storeys[0].Height, 300.0f);
    EXPECT_TRUE(applyGridEdit(w, 10, "10").accepted);
    EXPECT_FLOAT_EQ(w.Storeys[0].Height, 10.0f);
}

TEST(PropertyGrid, NegativeOffsetIsRefusedShowingTheOldValue) {
    Wall w = testing_gui::threeStoreyWall();
    w.Storeys[0].OffsetRight = 5;
    Wall before = w;
    GridEditResult r = applyGridEdit(w, 11, "-3");
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.shownText, "5.0");
    EXPECT_EQ(r.followUp, GridFollowUp::FitAndRedraw); // the sheet is redrawn all the same
    EXPECT_EQ(w, before);
}

TEST(PropertyGrid, OffsetRefitsTheHorizontalSectionsOfThatStorey) {
    Wall w = testing_gui::threeStoreyWall();
    insertHorizontalSection(w, 150);
    insertHorizontalSection(w, 450);
    EXPECT_TRUE(applyGridEdit(w, 12, "30").accepted); // left offset of storey 1
    EXPECT_FLOAT_EQ(w.Storeys[0].OffsetLeft, 30.0f);
    EXPECT_FLOAT_EQ(w.HorizSections[0].X1, -230.0f);
    EXPECT_FLOAT_EQ(w.HorizSections[1].X1, -200.0f);
    EXPECT_TRUE(applyGridEdit(w, 31, "0").accepted);
    EXPECT_FLOAT_EQ(w.Storeys[2].OffsetRight, 0.0f);
}

TEST(PropertyGrid, StartLevelMovesTheStoreysTheirMarksAndCutsWithIt) {
    Wall w = testing_gui::threeStoreyWall();
    w.FileLevels.resize(3);
    w.FileLevels[0].TopLevel = 0;
    w.FileLevels[1].TopLevel = 300;
    insertHorizontalSection(w, 450);
    insertVerticalSection(w, 0);
    GridEditResult r = applyGridEdit(w, 2, "100");
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.followUp, GridFollowUp::FitAndRedraw); // the sheet grew upwards: fit again
    EXPECT_FLOAT_EQ(w.BaseLevel, 100.0f);
    EXPECT_FLOAT_EQ(w.FileLevels[1].TopLevel, 400.0f);
    EXPECT_FLOAT_EQ(w.FileLevels[2].TopLevel, 0.0f); // the closing record stays zero
    // The first storey is drawn from +100 to +400 and its mark says +400.
    EXPECT_FLOAT_EQ(w.Storeys[0].TopLevel, 400.0f);
    EXPECT_FLOAT_EQ(w.StoreyLevels[0], 400.0f);
    EXPECT_FLOAT_EQ(w.Storeys[2].TopLevel, 1000.0f);
    EXPECT_FLOAT_EQ(w.Storeys[0].Height, 300.0f);
    EXPECT_FLOAT_EQ(w.HorizSections[0].Y1, 550.0f);
    EXPECT_EQ(w.HorizSections[0].StoreyIndex, 1);
    EXPECT_FLOAT_EQ(w.VertSections[0].Y1, 0.0f); // still "from the foundation"
    EXPECT_FLOAT_EQ(w.VertSections[0].Y2, 1000.0f);
}

TEST(PropertyGrid, ValuesTheNextLoadWouldRefuseAreRefusedNamingTheItemAndRange) {
    Wall w = testing_gui::threeStoreyWall();
    const Wall before = w;
    struct Case {
        int id;
        const char *text;
        const char *named;
    };
    for (Case c : {Case{20, "250000", "H 2: valore \"250000\" fuori dai limiti; valori ammessi "
                                      "da 10 a 100000."},
                   Case{2, "200000", "Quota iniziale: valore \"200000\" fuori dai limiti"},
                   // Within the item's range, but the top of the wall would pass 100000.
                   Case{2, "99500", "Quota iniziale: valore \"99500\" non accettato, la parete "
                                    "uscirebbe dai limiti (Piano 2: quota"},
                   Case{20, "99500", "uscirebbe dai limiti (Altezza totale"},
                   Case{11, "abc", "Offset Dx H 1: \"abc\" non è un numero; valori ammessi da 0 "
                                   "a 100000."},
                   Case{1, "12abc", "Spess. fondazione"}}) {
        GridEditResult r = applyGridEdit(w, c.id, c.text);
        EXPECT_FALSE(r.accepted) << c.text;
        EXPECT_NE(r.refusal.find(c.named), std::string::npos) << r.refusal;
        EXPECT_EQ(r.shownText, gridItemValue(before, c.id));
        EXPECT_EQ(w, before);
    }
}

TEST(PropertyGrid, FoundationTakesAnyNumberButNotText) {
    Wall w = testing_gui::threeStoreyWall();
    EXPECT_TRUE(applyGridEdit(w, 1, "-20").accepted);
    EXPECT_FLOAT_EQ(w.FoundationThickness, -20.0f);
    GridEditResult r = applyGridEdit(w, 1, "abc");
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.shownText, "-20.0");
}

TEST(PropertyGrid, IdsOfMissingStoreysAreIgnored) {
    Wall w = testing_gui::threeStoreyWall();
    Wall before = w;
    EXPECT_FALSE(applyGridEdit(w, 40, "100").accepted);
    EXPECT_FALSE(applyGridEdit(w, 3, "100").accepted);
    EXPECT_EQ(w, before);
}
