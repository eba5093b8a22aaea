// Border offset of every storey, with the refit of the horizontal section cuts.
#include "model/wall_edits.h"

#include "geometry/numbers.h"

#include <cmath>

namespace murcad {

const char *borderOffsetCaption(BorderSide side) {
    return side == BorderSide::Left ? "Offset bordo sinistro" : "Offset bordo destro";
}

static bool blank(std::string_view t) {
    for (char c : t)
        if (c != ' ' && c != '\t')
            return false;
    return true;
}

bool applyBorderOffset(Wall &w, BorderSide side, std::string_view text) {
    float v = 0;
    if (!blank(text) && !(tryParseNumber(text, v) && std::isfinite(v)))
        return false;
    if (v < 0)
        return false;
    for (Storey &s : w.Storeys)
        (side == BorderSide::Left ? s.OffsetLeft : s.OffsetRight) = v;
    refitHorizontalSections(w);
    return true;
}

} // namespace murcad
