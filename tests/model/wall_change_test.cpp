// Undo and redo of wall edits: every edit undone gives back the wall before it, redone the wall after.
#include "model/property_grid.h"
#include "model/section_moves.h"
#include "model/wall_change.h"
#include "model/wall_edits.h"
#include "model/wall_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace murcad;

namespace {

Wall exampleWall() {
    Wall w;
    LoadResult r = loadWall(std::string(MURCAD_EXAMPLES_DIR) + "/realistic_10_storeys.PAR", w);
    EXPECT_TRUE(r.ok());
    return w;
}

struct Edit {
    const char *name;
    std::function<void(Wall &)> run;
};

} // namespace

TEST(WallChange, EveryKindOfEditUndoesAndRedoesToTheWholeWall) {
    const std::vector<Edit> edits = {
        {"foundation", [](Wall &w) { applyGridEdit(w, kGridFoundation, "85"); }},
        {"start level", [](Wall &w) { applyGridEdit(w, kGridBaseLevel, "-120,5"); }},
        {"storey height", [](Wall &w) { applyGridEdit(w, 30, "333"); }},
        {"right offset", [](Wall &w) { applyGridEdit(w, 21, "40"); }},
        {"left offset", [](Wall &w) { applyGridEdit(w, 52, "15"); }},
        {"border offset", [](Wall &w) { applyBorderOffset(w, BorderSide::Left, "12,5"); }},
        {"insert horizontal", [](Wall &w) { insertHorizontalSection(w, w.BaseLevel + 450); }},
        {"insert vertical", [](Wall &w) { insertVerticalSection(w, 10); }},
        {"remove horizontal", [](Wall &w) { removeHorizontalSection(w, 1); }},
        {"remove vertical", [](Wall &w) { removeVerticalSection(w, 0); }},
        {"move horizontal", [](Wall &w) { moveHorizontalSection(w, 0, w.BaseLevel + 900); }},
    };
    // The edits applied one after the other, each recorded; then all undone and all redone.
    Wall w = exampleWall();
    std::vector<Wall> states{w};
    std::vector<WallChange> changes;
    for (const Edit &e : edits) {
        EditableWallValues before = editableValues(w);
        e.run(w);
        changes.push_back(wallChange(before, w));
        EXPECT_FALSE(changes.back().empty()) << e.name;
        EXPECT_NE(w, states.back()) << e.name;
        states.push_back(w);
    }
    for (std::size_t i = changes.size(); i-- > 0;) {
        undoChange(w, changes[i]);
        EXPECT_EQ(w, states[i]) << "undo " << edits[i].name;
    }
    for (std::size_t i = 0; i < changes.size(); ++i) {
        redoChange(w, changes[i]);
        EXPECT_EQ(w, states[i + 1]) << "redo " << edits[i].name;
    }
}

TEST(WallChange, ARefusedEditChangesNothingAndKeepsOnlyWhatChanged) {
    Wall w = exampleWall();
    EditableWallValues before = editableValues(w);
    applyGridEdit(w, 11, "-3"); // a negative offset is refused
    insertHorizontalSection(w, w.BaseLevel - 10);
    EXPECT_TRUE(wallChange(before, w).empty());
    insertVerticalSection(w, 0);
    WallChange c = wallChange(before, w);
    EXPECT_TRUE(c.VertSections.has_value());
    EXPECT_FALSE(c.HorizSections || c.Storeys || c.FileLevels || c.BaseLevel);
}

TEST(SectionMoves, ACutMovesByTheClickRulesAndStaysWhenTheValueMissesTheWall) {
    Wall w = exampleWall();
    ASSERT_GE(w.horizSectionCount(), 2);
    const std::vector<HorizSection> start = w.HorizSections;
    CutRange r = horizontalCutRange(w);
    EXPECT_EQ(moveHorizontalSection(w, 0, r.high), InsertResult::OutOfRange);
    EXPECT_EQ(moveHorizontalSection(w, 0, r.low - 1), InsertResult::OutOfRange);
    EXPECT_EQ(moveHorizontalSection(w, 99, r.low + 1), InsertResult::OutOfRange);
    EXPECT_EQ(w.HorizSections, start);
    // The lowest cut moved to the top storey goes last, cutting that storey.
    EXPECT_EQ(moveHorizontalSection(w, 0, r.high - 1), InsertResult::Inserted);
    EXPECT_EQ(w.horizSectionCount(), static_cast<int>(start.size()));
    EXPECT_FLOAT_EQ(w.HorizSections.back().Y1, r.high - 1);
    EXPECT_EQ(w.HorizSections.back().StoreyIndex, w.storeyCount() - 1);

    ASSERT_GE(w.vertSectionCount(), 1);
    const std::vector<VertSection> vstart = w.VertSections;
    CutRange v = verticalCutRange(w);
    EXPECT_EQ(moveVerticalSection(w, 0, v.high + 5), InsertResult::OutOfRange);
    EXPECT_EQ(w.VertSections, vstart);
    EXPECT_EQ(moveVerticalSection(w, 0, v.low + 20), InsertResult::Inserted);
    EXPECT_FLOAT_EQ(w.VertSections[0].X1, v.low + 20);
}
