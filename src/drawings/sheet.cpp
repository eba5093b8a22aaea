// The sheet layout: horizontal sections stacked on the left, the elevation, vertical sections.
#include "drawings/sheet.h"

#include "drawings/elevation.h"
#include "drawings/horizontal_section.h"
#include "drawings/vertical_section.h"

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
    const int hn = std::min(wall.horizSectionCount(), kMaxHorizSections);
    for (int i = 0; i < hn; ++i) {
        drawHorizontalSection(surface, wall, i);
        int k = wall.HorizSections[i].StoreyIndex;
        if (k >= 0 && k < n)
            sectionWidthMax = std::max(sectionWidthMax, wall.Storeys[k].Length);
    }
    r.SheetX = elevationAxisX(sectionWidthMax);
    r.ElevationX = r.SheetX;
    drawElevation(surface, wall, r.SheetX);
    r.SheetX = sectionWidthMax / 2 + r.SheetX + 160;
    const int vn = std::min(wall.vertSectionCount(), kMaxVertSections);
    for (int j = 0; j < vn; ++j) {
        drawVerticalSection(surface, wall, j, r.SheetX);
        r.SheetX = 2 * wall.Thickness + r.SheetX + 130;
    }
    return r;
}

} // namespace murcad
