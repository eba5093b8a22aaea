// The sheet layout: horizontal sections stacked on the left, the elevation, vertical sections.
#include "drawings/sheet.h"

#include <algorithm>

namespace murcad {

float elevationAxisX(float sectionWidthMax) {
    // Very long walls need more room for their sections' dimensions and labels.
    float factor = sectionWidthMax > 2000.0f ? 2.0f : 1.5f;
    return sectionWidthMax * factor + 120.0f;
}

SheetResult redraw(Surface &surface, const Wall &wall) {
    SheetResult r;
    if (!(wall.TotalHeight > 0))
        return r;
    surface.clear();
    float sectionWidthMax = 0;
    const int n = wall.storeyCount();
    for (const HorizSection &h : wall.HorizSections) {
        if (h.StoreyIndex >= 0 && h.StoreyIndex < n)
            sectionWidthMax = std::max(sectionWidthMax, wall.Storeys[h.StoreyIndex].Length);
    }
    r.SheetX = elevationAxisX(sectionWidthMax);
    r.ElevationX = r.SheetX;
    r.SheetX = sectionWidthMax / 2 + r.SheetX + 160;
    for (int j = 0; j < wall.vertSectionCount(); ++j)
        r.SheetX = 2 * wall.Thickness + r.SheetX + 130;
    return r;
}

} // namespace murcad
