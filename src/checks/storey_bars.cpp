// The bars of one storey as the detailing checks see them, read from the storey's bar layout.
#include "checks/storey_bars.h"

#include "bars/bar_layout.h"

#include <algorithm>
#include <numbers>

namespace murcad {

namespace {

double barArea(int d) {
    return std::numbers::pi * d * d / 400.0;
}

CheckZone checkZone(BarZone z) {
    switch (z) {
    case BarZone::LeftEdge:
        return CheckZone::LeftEdge;
    case BarZone::RightEdge:
        return CheckZone::RightEdge;
    case BarZone::Web:
        break;
    }
    return CheckZone::Web;
}

void addSteel(ZoneSteel &z, int diameter) {
    z.area += barArea(diameter);
    z.largest = std::max(z.largest, diameter);
    z.smallest = z.smallest == 0 ? diameter : std::min(z.smallest, diameter);
}

/// Widest distance between adjacent levels, or fallback for fewer than two levels.
double widestGap(const std::vector<float> &levels, double fallback) {
    if (levels.size() < 2)
        return levels.empty() ? 0 : fallback;
    std::vector<float> sorted = levels;
    std::sort(sorted.begin(), sorted.end());
    double widest = 0;
    for (std::size_t k = 1; k < sorted.size(); ++k)
        widest = std::max(widest, static_cast<double>(sorted[k] - sorted[k - 1]));
    return widest;
}

} // namespace

StoreyBars storeyBars(const Wall &w, int i) {
    const Storey &s = w.Storeys[i];
    const StoreyLayout lay = storeyLayout(w, i);
    StoreyBars b;
    b.drawnLength = static_cast<double>(lay.xRight) - lay.xLeft;
    b.height = s.Height;
    b.edgeZones = w.NoEdgeZones == 0 && s.EdgeLength > 0;
    b.edgeLength = b.edgeZones ? s.EdgeLength : 0;

    double near = 0, far = 0;
    bool central = false;
    auto take = [&](const std::vector<VerticalBar> &bars, int diameter) {
        for (const VerticalBar &v : bars) {
            CheckZone zone = checkZone(v.zone);
            int layer = v.face == BarFace::Far ? 1 : 0;
            auto row = std::find_if(b.rows.begin(), b.rows.end(), [&](const VerticalRow &r) {
                return r.zone == zone && r.layer == layer && r.diameter == diameter;
            });
            if (row == b.rows.end()) {
                b.rows.push_back({zone, layer, diameter, {}});
                row = b.rows.end() - 1;
            }
            row->positions.push_back(v.x);
            b.verticalArea += barArea(diameter);
            (v.face == BarFace::Far ? far : near) += barArea(diameter);
            central = central || v.face == BarFace::Middle;
            addSteel(b.all, diameter);
            if (zone == CheckZone::LeftEdge)
                addSteel(b.left, diameter);
            else if (zone == CheckZone::RightEdge)
                addSteel(b.right, diameter);
        }
    };
    take(lay.edgeBars, lay.edgeDiameter);
    take(lay.webBars, lay.webDiameter);
    b.faces = central ? 1 : 2;
    b.leastFaceArea = central ? 0 : std::min(near, far);

    b.horizontalDiameter = lay.horizDiameter;
    b.horizontalCount = static_cast<int>(lay.horizontalBars.size());
    b.horizontalSpacing = widestGap(lay.horizontalLevels, s.HorizSpacing);

    if (b.edgeZones) {
        b.stirrupDiameter = lay.horizDiameter;
        b.stirrupSpacingMax = widestGap(lay.stirrupLevels, std::max(lay.stirrupSpacing,
                                                                    lay.critSpacing));
    }
    b.tieDiameter = lay.tieDiameter;
    b.ties = static_cast<int>(lay.ties.size());
    b.webTies = static_cast<int>(
        std::count_if(lay.ties.begin(), lay.ties.end(),
                      [](const Tie &t) { return t.zone == BarZone::Web; }));
    return b;
}

} // namespace murcad
