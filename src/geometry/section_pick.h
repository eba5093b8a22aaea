// Finding the section cuts whose mark on the elevation lies under the mouse pointer.
#pragma once

#include "model/wall.h"

#include <functional>
#include <string>
#include <vector>

namespace murcad {

/// Tolerance in pixels around a section mark.
inline constexpr float kSectionPickTolerance = 7.0f;

/// A section cut hit by a click.
struct SectionHit {
    bool horizontal = true; ///< true: HorizSections, false: VertSections
    int index = 0;          ///< index in its table at the time of the hit test

    bool operator==(const SectionHit &) const = default;
};

/// World-to-pixel transforms of the drawing area (ScreenX, ScreenY).
struct PixelTransform {
    std::function<float(float)> x;
    std::function<float(float)> y;
};

/// The sections whose mark lies within the tolerance of pixel (px, py): first the horizontal
/// ones in table order, then the vertical ones. A horizontal mark runs from
/// (elevationX + X1 − 100, Y1) to (elevationX + X2 + 100, Y2), a vertical one from
/// (elevationX + X1, Y1 − 100) to (elevationX + X2, Y2 + 100).
std::vector<SectionHit> sectionsUnderPointer(const Wall &w, float elevationX, float px, float py,
                                             const PixelTransform &toPixels);

/// Name of vertical section j: "A", "B", … "Z", then "AA", "AB", … for the sections beyond.
std::string vertSectionName(int j);

/// The name a section goes by: " 2" for the second horizontal cut, "A" for the first vertical
/// (the name its mark and its drawing carry).
std::string sectionName(const SectionHit &hit);

/// The delete question: "Vuoi cancellare la sezione " + name + "?".
std::string deleteSectionQuestion(const SectionHit &hit);

/// Removes the hit sections the confirm callback agrees to, each at most once, keeping the
/// indexes of the remaining hits right as earlier ones go. Horizontal hits are asked first.
/// Returns the number removed.
int deleteSections(Wall &w, const std::vector<SectionHit> &hits,
                   const std::function<bool(const SectionHit &)> &confirm);

} // namespace murcad
