// One edit of the wall kept as the values it changed, before and after, for undo and redo.
#pragma once

#include "model/wall.h"

#include <optional>
#include <vector>

namespace murcad {

/// The values of a wall that the user's edits change: the grid (foundation, start level,
/// storey heights and border offsets, with the top levels, the total height and the analysis
/// levels that follow them) and the two tables of section cuts.
struct EditableWallValues {
    float BaseLevel = 0;
    float FoundationThickness = 0;
    float TotalHeight = 0;
    std::vector<Storey> Storeys;
    std::vector<float> StoreyLevels; ///< the levels the marks show move with the start level
    std::vector<FileLevel> FileLevels;
    std::vector<HorizSection> HorizSections;
    std::vector<VertSection> VertSections;
};

/// The editable values of a wall as they are now (taken before an edit).
EditableWallValues editableValues(const Wall &w);

/// A value before and after an edit.
template <class T> struct Changed {
    T before;
    T after;
};

/// What one edit changed: each part of the wall that differs, before and after. Parts the
/// edit left alone are not kept, so an edit of one section cut holds only that table.
struct WallChange {
    std::optional<Changed<float>> BaseLevel;
    std::optional<Changed<float>> FoundationThickness;
    std::optional<Changed<float>> TotalHeight;
    std::optional<Changed<std::vector<Storey>>> Storeys;
    std::optional<Changed<std::vector<float>>> StoreyLevels;
    std::optional<Changed<std::vector<FileLevel>>> FileLevels;
    std::optional<Changed<std::vector<HorizSection>>> HorizSections;
    std::optional<Changed<std::vector<VertSection>>> VertSections;

    /// True when the edit changed nothing (a refused value, a cancelled question).
    bool empty() const;
};

/// The change from the values taken before an edit to the wall after it.
WallChange wallChange(const EditableWallValues &before, const Wall &after);

/// Puts back the values the change found (undo).
void undoChange(Wall &w, const WallChange &c);
/// Puts the values the change made (redo).
void redoChange(Wall &w, const WallChange &c);

} // namespace murcad
