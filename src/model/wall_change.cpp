// Edits of the wall as before-and-after values of the parts they changed.
#include "model/wall_change.h"

#include <utility>

namespace murcad {

EditableWallValues editableValues(const Wall &w) {
    return {w.BaseLevel,     w.FoundationThickness, w.TotalHeight,  w.Storeys,
            w.StoreyLevels,  w.FileLevels,          w.HorizSections, w.VertSections};
}

namespace {

template <class T> std::optional<Changed<T>> compare(const T &before, const T &after) {
    if (before == after)
        return std::nullopt;
    return Changed<T>{before, after};
}

template <class T> void put(T &field, const std::optional<Changed<T>> &c, bool after) {
    if (c)
        field = after ? c->after : c->before;
}

void apply(Wall &w, const WallChange &c, bool after) {
    put(w.BaseLevel, c.BaseLevel, after);
    put(w.FoundationThickness, c.FoundationThickness, after);
    put(w.TotalHeight, c.TotalHeight, after);
    put(w.Storeys, c.Storeys, after);
    put(w.StoreyLevels, c.StoreyLevels, after);
    put(w.FileLevels, c.FileLevels, after);
    put(w.HorizSections, c.HorizSections, after);
    put(w.VertSections, c.VertSections, after);
}

} // namespace

bool WallChange::empty() const {
    return !BaseLevel && !FoundationThickness && !TotalHeight && !Storeys && !StoreyLevels &&
           !FileLevels && !HorizSections && !VertSections;
}

WallChange wallChange(const EditableWallValues &before, const Wall &after) {
    WallChange c;
    c.BaseLevel = compare(before.BaseLevel, after.BaseLevel);
    c.FoundationThickness = compare(before.FoundationThickness, after.FoundationThickness);
    c.TotalHeight = compare(before.TotalHeight, after.TotalHeight);
    c.Storeys = compare(before.Storeys, after.Storeys);
    c.StoreyLevels = compare(before.StoreyLevels, after.StoreyLevels);
    c.FileLevels = compare(before.FileLevels, after.FileLevels);
    c.HorizSections = compare(before.HorizSections, after.HorizSections);
    c.VertSections = compare(before.VertSections, after.VertSections);
    return c;
}

void undoChange(Wall &w, const WallChange &c) {
    apply(w, c, false);
}

void redoChange(Wall &w, const WallChange &c) {
    apply(w, c, true);
}

} // namespace murcad
