// The bar groups of a wall for the IFC export, from the one bar layout.
#include "ifc/ifc_bars.h"

#include "bars/bar_bending.h"
#include "bars/bar_layout.h"
#include "bars/bar_shapes.h"

namespace murcad {

namespace {

/// A bar line from the layout's frame (z across from the near face) into the model's (y
/// across from the wall's middle plane, z the level).
std::vector<BarPoint> toModel(const BarLine &line, float thickness) {
    std::vector<BarPoint> out;
    out.reserve(line.size());
    for (const BarPoint3 &p : line)
        out.push_back({p.x, p.z - thickness / 2.0, p.y});
    return out;
}

template <class Bar, class Shape>
void addGroup(std::vector<BarGroup> &groups, const char *name, BarRole role,
              const BarBending &bending, const std::vector<Bar> &bars, float thickness,
              Shape shape) {
    // Rows of no length are left out of the bill of materials, and so of the model.
    if (bars.empty() || bending.diameter <= 0 || bending.legs.empty())
        return;
    BarGroup g;
    g.storey = bending.storey;
    g.name = name;
    g.role = role;
    g.diameterMm = bending.diameter;
    g.cutLength = bending.cutLength();
    g.bars.reserve(bars.size());
    for (const Bar &b : bars)
        g.bars.push_back(toModel(shape(bending, b), thickness));
    groups.push_back(std::move(g));
}

} // namespace

std::vector<BarGroup> wallBarGroups(const Wall &wall) {
    std::vector<BarGroup> groups;
    const int n = wall.storeyCount();
    if (n == 0)
        return groups;
    const float t = wall.Thickness;

    if (wall.FoundationThickness > 0) {
        FoundationBars f = foundationBars(wall);
        addGroup(groups, "Ferri di ripresa zone di bordo", BarRole::Anchoring,
                 barBending(wall, BarFamily::EdgeStarters, 0), f.edgeBars, t, starterBarLine);
        addGroup(groups, "Ferri di ripresa d'anima", BarRole::Anchoring,
                 barBending(wall, BarFamily::WebStarters, 0), f.webBars, t, starterBarLine);
    }

    for (int i = 0; i < n; ++i) {
        StoreyLayout s = storeyLayout(wall, i);
        addGroup(groups, "Verticali zone di bordo", BarRole::Main,
                 barBending(wall, BarFamily::EdgeBars, i), s.edgeBars, t, storeyBarLine);
        addGroup(groups, "Verticali d'anima", BarRole::Main,
                 barBending(wall, BarFamily::WebBars, i), s.webBars, t, storeyBarLine);
        addGroup(groups, "Orizzontali", BarRole::Shear,
                 barBending(wall, BarFamily::HorizontalBars, i), s.horizontalBars, t,
                 [middle = (s.bottom + s.top) / 2](const BarBending &b, const HorizontalBar &h) {
                     return horizontalBarLine(b, h, middle);
                 });
        addGroup(groups, "Staffe", BarRole::Ligature, barBending(wall, BarFamily::Stirrups, i),
                 s.stirrups, t, stirrupLine);
        addGroup(groups, "Legature", BarRole::Ligature, barBending(wall, BarFamily::Ties, i),
                 s.ties, t, tieLine);
    }

    DiagonalLayout d = diagonalBars(wall);
    addGroup(groups, "Armatura diagonale", BarRole::Shear,
             barBending(wall, BarFamily::Diagonals, 0), d.bars, t, diagonalBarLine);
    return groups;
}

} // namespace murcad
