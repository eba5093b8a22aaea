// Hit test of section marks in pixels, the names used in the delete question, and the deletion.
#include "geometry/section_pick.h"

#include "geometry/numbers.h"

#include <algorithm>

namespace murcad {

static bool markHit(float x1, float y1, float x2, float y2, float px, float py,
                    const PixelTransform &t) {
    float sx1 = t.x(x1), sx2 = t.x(x2), sy1 = t.y(y1), sy2 = t.y(y2);
    float left = std::min(sx1, sx2) - kSectionPickTolerance;
    float right = std::max(sx1, sx2) + kSectionPickTolerance;
    float top = std::min(sy1, sy2) - kSectionPickTolerance;
    float bottom = std::max(sy1, sy2) + kSectionPickTolerance;
    return px >= left && px <= right && py >= top && py <= bottom;
}

std::vector<SectionHit> sectionsUnderPointer(const Wall &w, float elevationX, float px, float py,
                                             const PixelTransform &toPixels) {
    std::vector<SectionHit> hits;
    for (int k = 0; k < w.horizSectionCount(); ++k) {
        const HorizSection &h = w.HorizSections[k];
        if (markHit(elevationX + h.X1 - 100, h.Y1, elevationX + h.X2 + 100, h.Y2, px, py, toPixels))
            hits.push_back({true, k});
    }
    for (int k = 0; k < w.vertSectionCount(); ++k) {
        const VertSection &v = w.VertSections[k];
        if (markHit(elevationX + v.X1, v.Y1 - 100, elevationX + v.X2, v.Y2 + 100, px, py, toPixels))
            hits.push_back({false, k});
    }
    return hits;
}

std::string vertSectionName(int j) {
    if (j < 0)
        return "?";
    if (j < 26)
        return std::string(1, static_cast<char>('A' + j));
    return vertSectionName(j / 26 - 1) + static_cast<char>('A' + j % 26);
}

std::string sectionName(const SectionHit &hit) {
    if (hit.horizontal)
        return signedText(hit.index + 1);
    return vertSectionName(hit.index);
}

std::string deleteSectionQuestion(const SectionHit &hit) {
    return "Vuoi cancellare la sezione " + sectionName(hit) + "?";
}

int deleteSections(Wall &w, const std::vector<SectionHit> &hits,
                   const std::function<bool(const SectionHit &)> &confirm) {
    // Each hit is asked about under the name it had when the user clicked; removing one moves
    // the later records of its table down, so the table index is corrected by the removals so far.
    int removedH = 0, removedV = 0;
    for (bool horizontal : {true, false}) {
        for (const SectionHit &hit : hits) {
            if (hit.horizontal != horizontal)
                continue;
            if (!confirm(hit))
                continue;
            if (horizontal) {
                removeHorizontalSection(w, hit.index - removedH);
                ++removedH;
            } else {
                removeVerticalSection(w, hit.index - removedV);
                ++removedV;
            }
        }
    }
    return removedH + removedV;
}

} // namespace murcad
