// Edits the user makes to the whole wall at once: the border offset of every storey.
#pragma once

#include "model/wall.h"

#include <string>
#include <string_view>

namespace murcad {

/// Which border the border-offset dialog moves (the value of OffsetSide).
enum class BorderSide { Right = 0, Left = 1 };

/// Caption of the border-offset dialog for a side.
const char *borderOffsetCaption(BorderSide side);

/// Sets the chosen border offset of every storey to the number in text (a comma is a decimal
/// point; an empty text gives 0) and refits the horizontal sections to the new borders.
/// Returns false, changes nothing and says why in refusal (naming the field and the allowed
/// range) when text is not a number, lies outside the offset limits the grid uses too, or
/// would take the wall outside the bounds every load checks.
bool applyBorderOffset(Wall &w, BorderSide side, std::string_view text,
                       std::string *refusal = nullptr);

} // namespace murcad
