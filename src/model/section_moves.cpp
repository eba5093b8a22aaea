// Moving a section cut to a typed level or abscissa by the insertion rules of a click.
#include "model/section_moves.h"

#include <utility>

namespace murcad {

CutRange horizontalCutRange(const Wall &w) {
    return {w.BaseLevel, w.BaseLevel + w.TotalHeight};
}

CutRange verticalCutRange(const Wall &w) {
    return {w.FirstStoreyLeftX, w.FirstStoreyRightX};
}

InsertResult moveHorizontalSection(Wall &w, int k, float y) {
    if (k < 0 || k >= w.horizSectionCount())
        return InsertResult::OutOfRange;
    std::vector<HorizSection> kept = w.HorizSections;
    removeHorizontalSection(w, k);
    InsertResult r = insertHorizontalSection(w, y);
    if (r != InsertResult::Inserted)
        w.HorizSections = std::move(kept);
    return r;
}

InsertResult moveVerticalSection(Wall &w, int k, float x) {
    if (k < 0 || k >= w.vertSectionCount())
        return InsertResult::OutOfRange;
    std::vector<VertSection> kept = w.VertSections;
    removeVerticalSection(w, k);
    InsertResult r = insertVerticalSection(w, x);
    if (r != InsertResult::Inserted)
        w.VertSections = std::move(kept);
    return r;
}

} // namespace murcad
