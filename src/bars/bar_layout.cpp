// Where every bar the bill of materials counts stands in the wall.
#include "bars/bar_layout.h"

#include "bars/bar_counts.h"
#include "geometry/diagonal_geometry.h"

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {

float lap(const Wall &w, int diameterMm) {
    return w.LapFactor * 0.1f * static_cast<float>(diameterMm);
}

float bottomLevel(const Wall &w, int i) {
    float y = w.BaseLevel;
    for (int k = 0; k < i && k < w.storeyCount(); ++k)
        y += w.Storeys[k].Height;
    return y;
}

float leftBorder(const Storey &s) {
    return storeyEnds(s, StoreyExtent::WithOffsets).left;
}

float rightBorder(const Storey &s) {
    return storeyEnds(s, StoreyExtent::WithOffsets).right;
}

/// n positions spread evenly over a..b, half a spacing from each end; the middle for one.
std::vector<float> spreadEvenly(float a, float b, int n) {
    std::vector<float> p;
    if (n <= 0)
        return p;
    p.reserve(static_cast<std::size_t>(n));
    const float step = (b - a) / static_cast<float>(n);
    for (int j = 0; j < n; ++j)
        p.push_back(a + (static_cast<float>(j) + 0.5f) * step);
    return p;
}

/// n bar axes of a row from a to b, the first on a and the last on b; the middle for one.
std::vector<float> rowPositions(float a, float b, int n) {
    std::vector<float> p;
    if (n <= 0)
        return p;
    if (n == 1)
        return {(a + b) / 2};
    p.reserve(static_cast<std::size_t>(n));
    const float step = (b - a) / static_cast<float>(n - 1);
    for (int j = 0; j < n; ++j)
        p.push_back(a + static_cast<float>(j) * step);
    return p;
}

/// Which of the n bars of an edge row get the m ties of one stirrup set: inner bars
/// alternating, mirrored about the middle, when that gives m; otherwise spread evenly.
std::vector<int> tiedBars(int n, int m) {
    std::vector<int> out;
    if (m <= 0 || n <= 0)
        return out;
    if (n >= 3) {
        std::vector<int> alt;
        for (int k = 2; k <= n - 1; ++k)
            if (alternateTie(k, n, true))
                alt.push_back(k - 1);
        if (static_cast<int>(alt.size()) == m)
            return alt;
    }
    for (int k = 0; k < m; ++k)
        out.push_back(
            std::min(n - 1, static_cast<int>((static_cast<float>(k) + 0.5f) *
                                             static_cast<float>(n) / static_cast<float>(m))));
    return out;
}

/// The levels at which the bars of the storey above still continue: the top of a vertical
/// bar at x.
float barTop(const Wall &w, int i, float x, int diameterMm, float top) {
    if (i >= w.storeyCount() - 1)
        return top - w.Cover;
    const Storey &up = w.Storeys[i + 1];
    if (x > leftBorder(up) && x < rightBorder(up))
        return top + lap(w, diameterMm);
    // Nothing continues above this bar: it stops a cover under the storey top.
    return top - w.Cover;
}

/// One edge row (CountA bars of one zone) on every layer the edge bars use.
void edgeRow(const Wall &w, int i, std::vector<VerticalBar> &out, BarZone zone, float a, float b,
             int n, int diameter, float bottom, float top, bool foundation) {
    std::vector<BarFace> faces = {BarFace::Near, BarFace::Far};
    if (w.NoEdgeZones != 0 && w.SingleLayerVert != 0)
        faces = {BarFace::Middle};
    for (BarFace face : faces)
        for (float x : rowPositions(a, b, n)) {
            VerticalBar v;
            v.x = x;
            v.z = verticalBarZ(w, face, diameter);
            v.face = face;
            v.zone = zone;
            v.bottom = bottom;
            v.top = foundation ? top : barTop(w, i, x, diameter, top);
            out.push_back(v);
        }
}

/// The edge bars of storey i (or its foundation starters) from bottom to top.
std::vector<VerticalBar> edgeBarsOf(const Wall &w, int i, float bottom, float top,
                                    bool foundation) {
    std::vector<VerticalBar> out;
    const Storey &s = w.Storeys[i];
    const EdgeBarCount count = edgeBarCount(w, i);
    const float d = static_cast<float>(count.diameter) / 10;
    const float c = w.Cover;
    const float xL = leftBorder(s), xR = rightBorder(s);
    const int perRow = edgeBarsPerRow(w, i);
    if (w.NoEdgeZones != 0) {
        // One bar at each end of each layer.
        edgeRow(w, i, out, BarZone::LeftEdge, xL + c + d, xL + c + d, 1, count.diameter, bottom,
                top, foundation);
        edgeRow(w, i, out, BarZone::RightEdge, xR - c - d, xR - c - d, 1, count.diameter, bottom,
                top, foundation);
        return out;
    }
    // The bar axes of a zone lie one diameter inside the zone's ends; a zone shorter than
    // its bars keeps them side by side at its outer end.
    float la = xL + c + d, lb = std::max(xL + s.EdgeLength - d, la);
    float rb = xR - c - d, ra = std::min(xR - s.EdgeLength + d, rb);
    edgeRow(w, i, out, BarZone::LeftEdge, la, lb, perRow, count.diameter, bottom, top, foundation);
    edgeRow(w, i, out, BarZone::RightEdge, ra, rb, perRow, count.diameter, bottom, top, foundation);
    return out;
}

/// The web bars of storey i (or its foundation starters), spread evenly over the web span
/// the bill of materials divides by the web spacing.
std::vector<VerticalBar> webBarsOf(const Wall &w, int i, float bottom, float top, bool foundation,
                                   float *spacing) {
    std::vector<VerticalBar> out;
    const Storey &s = w.Storeys[i];
    const int total = webCount(w, i);
    const bool single = w.SingleLayerVert != 0;
    const int perLayer = single ? total : total / 2;
    const float a = leftBorder(s) + w.Cover + s.EdgeLength;
    const float b = rightBorder(s) - w.Cover - s.EdgeLength;
    std::vector<float> xs = spreadEvenly(a, b, perLayer);
    if (spacing)
        *spacing = perLayer > 1 ? (b - a) / static_cast<float>(perLayer) : 0;
    std::vector<BarFace> faces = single ? std::vector<BarFace>{BarFace::Middle}
                                        : std::vector<BarFace>{BarFace::Near, BarFace::Far};
    for (BarFace face : faces)
        for (float x : xs) {
            VerticalBar v;
            v.x = x;
            v.z = verticalBarZ(w, face, s.DiamB);
            v.face = face;
            v.zone = BarZone::Web;
            v.bottom = bottom;
            v.top = foundation ? top : barTop(w, i, x, s.DiamB, top);
            out.push_back(v);
        }
    return out;
}

void horizontalBarsOf(const Wall &w, int i, StoreyLayout &b) {
    const Storey &s = w.Storeys[i];
    b.horizontalLevels = spreadEvenly(b.bottom, b.top, horizontalBarLevels(w, i));
    std::vector<std::pair<BarFace, float>> faces;
    if (w.SingleLayerHoriz != 0)
        faces = {{BarFace::Middle, w.Thickness / 2}};
    else
        faces = {{BarFace::Near, w.Cover}, {BarFace::Far, w.Thickness - w.Cover}};
    for (float y : b.horizontalLevels)
        for (auto [face, z] : faces)
            b.horizontalBars.push_back({y, z, face, b.xLeft + w.Cover, b.xRight - w.Cover});
    (void)s;
}

void stirrupsAndTies(const Wall &w, int i, StoreyLayout &b) {
    const Storey &s = w.Storeys[i];
    StirrupZones z = stirrupZones(w, i);
    if (2LL * z.sets > kMaxLaidOutBars) {
        b.complete = false;
        z.baseSets =
            static_cast<int>(static_cast<long long>(z.baseSets) * kMaxLaidOutBars / 2 / z.sets);
        z.sets = kMaxLaidOutBars / 2;
    }
    const float baseTop = b.bottom + z.baseHeight;
    b.baseZoneTop = baseTop;
    b.stirrupLevels = spreadEvenly(b.bottom, baseTop, z.baseSets);
    for (float y : spreadEvenly(baseTop, b.top, z.sets - z.baseSets))
        b.stirrupLevels.push_back(y);
    b.critSpacing = z.baseSets > 0 ? z.baseHeight / static_cast<float>(z.baseSets) : 0;
    const int upper = z.sets - z.baseSets;
    b.stirrupSpacing = upper > 0 ? (b.top - baseTop) / static_cast<float>(upper) : b.critSpacing;

    const float c = w.Cover;
    const float z1 = c, z2 = w.Thickness - c;
    // A stirrup closes round the zone's bars, even in a zone shorter than the bars need.
    const float reach = 2 * static_cast<float>(b.edgeDiameter) / 10;
    const float leftEnd = std::max(b.xLeftEdge, b.xLeft + c + reach);
    const float rightEnd = std::min(b.xRightEdge, b.xRight - c - reach);
    for (float y : b.stirrupLevels) {
        b.stirrups.push_back({y, BarZone::LeftEdge, b.xLeft + c, leftEnd, z1, z2});
        b.stirrups.push_back({y, BarZone::RightEdge, rightEnd, b.xRight - c, z1, z2});
    }

    // CountA ties at every stirrup set, shared between the two zones, each on an edge bar.
    std::vector<float> left, right;
    for (const VerticalBar &v : b.edgeBars)
        if (v.face == BarFace::Near)
            (v.zone == BarZone::LeftEdge ? left : right).push_back(v.x);
    const int perSet = std::max(s.CountA, 0);
    const int mLeft = (perSet + 1) / 2, mRight = perSet / 2;
    const float ze1 = verticalBarZ(w, BarFace::Near, b.edgeDiameter);
    const float ze2 = verticalBarZ(w, BarFace::Far, b.edgeDiameter);
    auto zoneTies = [&](const std::vector<float> &xs, int m, BarZone zone, float y, float a,
                        float bEnd) {
        if (m <= 0)
            return;
        if (xs.empty()) {
            for (float x : spreadEvenly(a, bEnd, m))
                b.ties.push_back({x, y, zone, ze1, ze2, x});
            return;
        }
        std::vector<int> idx = tiedBars(static_cast<int>(xs.size()), m);
        if (static_cast<int>(idx.size()) < m) // more ties than bars: spread along the zone
            for (float x : spreadEvenly(a, bEnd, m))
                b.ties.push_back({x, y, zone, ze1, ze2, x});
        else
            for (int k : idx)
                b.ties.push_back({xs[static_cast<std::size_t>(k)], y, zone, ze1, ze2,
                                  xs[static_cast<std::size_t>(k)]});
    };
    if (static_cast<long long>(perSet) * b.stirrupLevels.size() > kMaxLaidOutBars) {
        b.complete = false;
        return;
    }
    for (float y : b.stirrupLevels) {
        zoneTies(left, mLeft, BarZone::LeftEdge, y, b.xLeft + c, b.xLeftEdge);
        zoneTies(right, mRight, BarZone::RightEdge, y, b.xRightEdge, b.xRight - c);
    }

    // Nine ties per square metre of web, shared among the horizontal bar levels and staggered
    // from one level to the next, each at a web bar.
    const int webTies = webTieCount(w, i);
    if (webTies <= 0)
        return;
    if (b.ties.size() + static_cast<std::size_t>(webTies) > kMaxLaidOutBars) {
        b.complete = false;
        return;
    }
    std::vector<float> webX;
    for (const VerticalBar &v : b.webBars)
        if (v.face != BarFace::Far)
            webX.push_back(v.x);
    std::vector<float> levels = b.horizontalLevels;
    if (levels.empty())
        levels.push_back((b.bottom + b.top) / 2);
    // Every tie holds a web bar: where the bar levels cannot take them all, the ties also
    // stand between the levels.
    const long long nw0 = static_cast<long long>(webX.size());
    long long nlv = static_cast<long long>(levels.size());
    while (nw0 > 0 && nw0 * nlv < webTies && nlv < kMaxLaidOutBars)
        nlv *= 2;
    if (nlv != static_cast<long long>(levels.size()))
        levels = spreadEvenly(b.bottom, b.top, static_cast<int>(nlv));
    const long long nl = static_cast<long long>(levels.size());
    const float zw1 = verticalBarZ(w, BarFace::Near, b.webDiameter);
    const float zw2 = verticalBarZ(w, BarFace::Far, b.webDiameter);
    const float wa = b.xLeftEdge + c, wb = b.xRightEdge - c;
    for (long long l = 0; l < nl; ++l) {
        const int m = static_cast<int>(webTies * (l + 1) / nl - webTies * l / nl);
        const float y = levels[static_cast<std::size_t>(l)];
        // The ties move along the web from one level to the next (by the golden section of
        // a bar spacing), so that every web bar gets ties spread up the storey.
        const float stagger = static_cast<float>(std::fmod(0.5 + 0.6180339887 * l, 1.0));
        const int nw = static_cast<int>(webX.size());
        for (int k = 0; k < m; ++k) {
            float x;
            if (m <= nw)
                x = webX[static_cast<std::size_t>(std::min(
                    nw - 1, static_cast<int>((static_cast<float>(k) + stagger) *
                                             static_cast<float>(nw) / static_cast<float>(m))))];
            else
                x = wa + (static_cast<float>(k) + stagger) * (wb - wa) / static_cast<float>(m);
            b.ties.push_back({x, y, BarZone::Web, zw1, zw2, x});
        }
    }
}

} // namespace

bool alternateTie(int k, int n, bool edgeRow) {
    if (k < 2 || k > n - 1)
        return false;
    if (n % 2 == 1)
        return k % 2 == 0;
    const int half = n / 2;
    if (k <= half)
        return k % 2 == 0 || (edgeRow && k == half);
    return k % 2 == 1;
}

float verticalBarZ(const Wall &wall, BarFace face, int diameterMm) {
    const float d = static_cast<float>(diameterMm) / 10;
    switch (face) {
    case BarFace::Near:
        return wall.Cover + d;
    case BarFace::Far:
        return wall.Thickness - wall.Cover - d;
    case BarFace::Middle:
        break;
    }
    return wall.Thickness / 2;
}

float layerStagger(const Wall &wall) {
    float d = 0;
    for (const Storey &s : wall.Storeys)
        d = std::max({d, static_cast<float>(s.DiamA), static_cast<float>(s.DiamB),
                      static_cast<float>(s.HorizDiam)});
    return std::ceil((d + static_cast<float>(wall.TieDiameter)) / 10 - 1e-4f);
}

int nearestLevel(const std::vector<float> &levels, float y) {
    int best = -1;
    float bestD = 0;
    for (std::size_t k = 0; k < levels.size(); ++k) {
        float d = std::abs(levels[k] - y);
        if (best < 0 || d < bestD) {
            best = static_cast<int>(k);
            bestD = d;
        }
    }
    return best;
}

StoreyLayout storeyLayout(const Wall &w, int i) {
    StoreyLayout b;
    const Storey &s = w.Storeys[i];
    b.storey = i;
    b.bottom = bottomLevel(w, i);
    b.top = b.bottom + s.Height;
    b.xLeft = leftBorder(s);
    b.xRight = rightBorder(s);
    b.xLeftEdge = b.xLeft + s.EdgeLength;
    b.xRightEdge = b.xRight - s.EdgeLength;
    b.edgeDiameter = edgeBarCount(w, i).diameter;
    b.edgeBars = edgeBarsOf(w, i, b.bottom, b.top, false);
    b.webDiameter = s.DiamB;
    b.webBars = webBarsOf(w, i, b.bottom, b.top, false, &b.webSpacing);
    b.horizDiameter = s.HorizDiam;
    horizontalBarsOf(w, i, b);
    b.tieDiameter = w.TieDiameter;
    if (w.NoEdgeZones == 0)
        stirrupsAndTies(w, i, b);
    return b;
}

FoundationBars foundationBars(const Wall &w) {
    FoundationBars f;
    if (w.storeyCount() == 0 || !(w.FoundationThickness > 0))
        return f;
    const Storey &s = w.Storeys[0];
    const float bottom = w.BaseLevel - w.FoundationThickness + w.Cover;
    f.edgeDiameter = edgeBarCount(w, 0).diameter;
    f.edgeBars = edgeBarsOf(w, 0, bottom, w.BaseLevel + lap(w, f.edgeDiameter), true);
    f.webDiameter = s.DiamB;
    f.webBars = webBarsOf(w, 0, bottom, w.BaseLevel + lap(w, s.DiamB), true, nullptr);
    return f;
}

DiagonalLayout diagonalBars(const Wall &w) {
    DiagonalLayout d;
    if (!(w.DiagonalDiameter > 0))
        return d;
    DiagonalBars g = diagonalGeometry(w, 0, w.BaseLevel);
    if (!g.valid)
        return d;
    d.diameter = w.DiagonalDiameter;
    d.length = std::max(g.length, 0);
    const Point shiftL{-10, 0}, shiftR{10, 0};
    for (BarFace face : {BarFace::Near, BarFace::Far}) {
        const float z = verticalBarZ(w, face, w.DiagonalDiameter);
        d.bars.push_back({g.p, g.b, z, face});
        d.bars.push_back({{g.p.x + shiftL.x, g.p.y}, {g.b.x + shiftL.x, g.b.y}, z, face});
        d.bars.push_back({g.p2, g.b2, z, face});
        d.bars.push_back({{g.p2.x + shiftR.x, g.p2.y}, {g.b2.x + shiftR.x, g.b2.y}, z, face});
    }
    return d;
}

} // namespace murcad
