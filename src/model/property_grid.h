// The wall property grid: its items, ids and captions, and the rules that accept or refuse an edit.
#pragma once

#include "model/wall.h"

#include <string>
#include <string_view>
#include <vector>

namespace murcad {

/// Caption of the one category of the wall property grid.
inline constexpr const char *kWallGridCategory = "Dati parete    ( in cm )";

/// Item ids: 1 foundation thickness, 2 start level, 10·n height of storey n, 10·n + 1 its right
/// border offset, 10·n + 2 its left border offset (storeys counted from 1).
inline constexpr int kGridFoundation = 1;
inline constexpr int kGridBaseLevel = 2;

/// One text item of the grid: its id, caption and value written with one decimal.
struct GridItem {
    int id = 0;
    std::string caption;
    std::string value;
};

/// The items of the grid in display order; only the first two when the wall has no storeys.
std::vector<GridItem> propertyGridItems(const Wall &w);

/// The value an item shows for the wall, one decimal and a point ("" for an unknown id).
std::string gridItemValue(const Wall &w, int id);

/// What the main window does after an edit.
enum class GridFollowUp {
    FitAndRedraw, ///< recompute the sheet extents, fit the view and redraw
    RedrawOnly,   ///< redraw without touching the view
};

struct GridEditResult {
    bool accepted = false;
    GridFollowUp followUp = GridFollowUp::FitAndRedraw;
    std::string shownText; ///< what the item shows afterwards (the old value when refused)
    std::string refusal;   ///< why a value was refused, naming the item and the allowed range
};

/// Sets "Quota iniziale": the analysis levels of the data file, the storey tops, the levels the
/// marks show and the section cuts move with the base, so the wall keeps its storeys.
void moveBaseLevel(Wall &w, float level);

/// The id of the item with a caption, compared without regard to case or repeated blanks
/// ("h 2", "Offset dx H  1"); 0 when the wall has no such item.
int gridItemIdByCaption(const Wall &w, std::string_view caption);

/// The caption of item id for the wall ("H 2", "Quota iniziale"); "" for an unknown id.
std::string gridItemCaption(const Wall &w, int id);

/// Applies the text typed into item id to the wall. A comma counts as the decimal point.
/// Refused, with the item's previous value shown again and the wall unchanged: a text that is
/// no number, a value outside the limits of the item (a storey height below 10, a negative
/// border offset, …), an edit after which the wall would leave the bounds every load checks
/// (so that what is saved always opens again), an id that names no item. Moving "Quota
/// iniziale" moves the storeys, their levels and the section cuts with it.
GridEditResult applyGridEdit(Wall &w, int id, std::string_view text);

} // namespace murcad
