// The bar groups of a wall for the IFC export, from the one bar layout.
#include "ifc/ifc_bars.h"

#include "bars/bar_layout.h"
#include "bars/bar_shapes.h"
#include "geometry/bar_geometry.h"
#include "takeoff/bar_lengths.h"

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
void addGroup(std::vector<BarGroup> &groups, int storey, const char *name, BarRole role,
              int diameter, double cutLength, const std::vector<Bar> &bars, float thickness,
              Shape shape) {
    // Rows of no length are left out of the bill of materials, and so of the model.
    if (bars.empty() || diameter <= 0 || !(cutLength > 0.001))
        return;
    BarGroup g;
    g.storey = storey;
    g.name = name;
    g.role = role;
    g.diameterMm = diameter;
    g.cutLength = cutLength;
    g.bars.reserve(bars.size());
    for (const Bar &b : bars)
        g.bars.push_back(toModel(shape(b), thickness));
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
        auto starter = [&wall](const VerticalBar &b) { return starterBarLine(wall, b); };
        addGroup(groups, -1, "Ferri di ripresa zone di bordo", BarRole::Anchoring,
                 f.edgeDiameter, lFerriFondaC(wall), f.edgeBars, t, starter);
        addGroup(groups, -1, "Ferri di ripresa d'anima", BarRole::Anchoring, f.webDiameter,
                 lFerriFondaSt(wall), f.webBars, t, starter);
    }

    // Every tie has the same developed length, as the bill of materials counts it.
    const float tieCut = tieLength({0, 0}, {t - 2 * wall.Cover, 0});
    for (int i = 0; i < n; ++i) {
        StoreyLayout s = storeyLayout(wall, i);
        addGroup(groups, i, "Verticali zone di bordo", BarRole::Main, s.edgeDiameter,
                 lFerriPianoC(wall, i), s.edgeBars, t, verticalBarLine);
        addGroup(groups, i, "Verticali d'anima", BarRole::Main, s.webDiameter,
                 lFerriPianoSt(wall, i), s.webBars, t, verticalBarLine);
        addGroup(groups, i, "Orizzontali", BarRole::Shear, s.horizDiameter, lFerriOr(wall, i),
                 s.horizontalBars, t,
                 [&wall](const HorizontalBar &b) { return horizontalBarLine(wall, b); });
        addGroup(groups, i, "Staffe", BarRole::Ligature, s.horizDiameter, lStaffa(wall, i),
                 s.stirrups, t, [&wall](const Stirrup &b) { return stirrupLine(wall, b); });
        addGroup(groups, i, "Legature", BarRole::Ligature, s.tieDiameter, tieCut, s.ties, t,
                 tieLine);
    }

    DiagonalLayout d = diagonalBars(wall);
    addGroup(groups, 0, "Armatura diagonale", BarRole::Shear, d.diameter, d.length, d.bars, t,
             diagonalBarLine);
    return groups;
}

} // namespace murcad
