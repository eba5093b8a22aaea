// Border offset of every storey, with the refit of the horizontal section cuts.
#include "model/wall_edits.h"

#include "model/wall_limits.h"
#include "model/wall_validation.h"

namespace murcad {

const char *borderOffsetCaption(BorderSide side) {
    return side == BorderSide::Left ? "Offset bordo sinistro" : "Offset bordo destro";
}

bool applyBorderOffset(Wall &w, BorderSide side, std::string_view text, std::string *refusal) {
    std::string why;
    const float zero = 0;
    const char *field = "Traslazione del bordo (cm)";
    float v = 0;
    if (!limits::acceptValue(limits::kBorderOffsetLimit, text, v, why, field, &zero)) {
        if (refusal)
            *refusal = why;
        return false;
    }
    Wall staged = w;
    for (Storey &s : staged.Storeys)
        (side == BorderSide::Left ? s.OffsetLeft : s.OffsetRight) = v;
    refitHorizontalSections(staged);
    // A loaded wall must stay one the next load accepts (an empty model has nothing to save).
    std::string problem;
    if (staged.storeyCount() > 0 && !checkWallBounds(staged, problem)) {
        if (refusal)
            *refusal = std::string(field) + ": valore \"" + std::string(text) +
                       "\" non accettato, la parete uscirebbe dai limiti (" + problem + ").";
        return false;
    }
    w = std::move(staged);
    return true;
}

} // namespace murcad
