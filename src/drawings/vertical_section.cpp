// A vertical section of the wall: thickness, foundation, bars, ties, bar shapes and levels.
#include "drawings/vertical_section.h"

#include "bars/bar_layout.h"
#include "draw/dimensions.h"
#include "draw/text.h"
#include "drawings/bar_rows.h"
#include "drawings/marks.h"
#include "drawings/storey_frame.h"
#include "geometry/bar_geometry.h"
#include "geometry/numbers.h"

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {

// Bar shapes stand this far right of the section's right face, in columns this far apart.
constexpr float kShapeX = 55;
constexpr float kShapeColumn = 14;
// The level lines end short of the bar shapes, whose descriptions they would cross.
constexpr float kLevelLineEnd = kShapeX - 9;

// A text turned 90° (reading upwards) centred on the level ymid, its middle line at x.
void verticalText(Surface &s, float x, float ymid, const std::string &text, int layer) {
    if (s.isDxf()) {
        s.dxfText(s.dxfX(x), s.dxfY(ymid), text, layer, 90, 5.5f * s.dxfScale(), 1);
    } else {
        int h = pixelRound(s.viewScale() * 8);
        int w = pixelRound(0.4f * h);
        float len = static_cast<float>(text.size()) * w;
        s.screenText(pixelRound(s.screenX(x) - h / 2.0f), pixelRound(s.screenY(ymid) + len / 2), h,
                     w, 90, text, layer);
    }
}

// A straight bar drawn beside the section from y1 to y2, its length figure on its left and
// its description "1Ø16/20 L=380" on its right.
void barStick(Surface &s, float x, float y1, float y2, int diameter, float spacing) {
    if (!(y2 - y1 > 0.1f))
        return;
    drawBarShape(s, x, y1, x, y2, 0, diameter, spacing);
}

// An L-shaped starter bar beside the section: the bottom leg to the right with its figure
// under it, the leg rising to yTop with its figure and the description of the whole bar.
void starterShape(Surface &s, float x, float yf, float leg, float yTop, int diameter,
                  float spacing) {
    int bottom = drawBarDimension(s, x, yf, x + leg, yf, -1);
    drawBarShape(s, x, yf, x, yTop, static_cast<float>(bottom), diameter, spacing);
}

// The bracket beside the bars of a tie or stirrup zone with its turned description.
void zoneBracket(Surface &s, float xBars, float xLine, float y1, float y2,
                 const std::string &text) {
    if (!(std::abs(y2 - y1) > 0.1f))
        return;
    s.drawLine(xBars, y1, xLine, y1, QUOTE, ByLayer);
    s.drawLine(xBars, y2, xLine, y2, QUOTE, ByLayer);
    s.drawLine(xLine, y1, xLine, y2, QUOTE, ByLayer);
    if (s.isDxf()) {
        s.dxfCircle(s.dxfX(xLine), s.dxfY(y1), 1.2f * s.dxfScale(), QUOTE);
        s.dxfCircle(s.dxfX(xLine), s.dxfY(y2), 1.2f * s.dxfScale(), QUOTE);
    } else {
        s.screenCircle(s.screenX(xLine), s.screenY(y1), 1.2f * s.viewScale(), QUOTE);
        s.screenCircle(s.screenX(xLine), s.screenY(y2), 1.2f * s.viewScale(), QUOTE);
    }
    verticalText(s, xLine - 4, (y1 + y2) / 2, text, TESTO_POSIZIONI);
}

struct Faces {
    float xr = 0;  // right face
    float xh1 = 0; // axis of the horizontal bars, left face
    float xh2 = 0; // ... right face
    float xv1 = 0; // axis of the vertical bars, left face
    float xv2 = 0; // ... right face
    bool singleV = false;
    bool singleH = false;
};

// The label of the storey's horizontal bars at the middle of the storey.
void horizBarLabel(Surface &s, const Wall &wall, const Storey &st, const Faces &f, float y) {
    float x1 = f.singleH ? (f.xh1 + f.xh2) / 2 : f.xh1;
    float x2 = f.singleH ? x1 : f.xh2;
    LabelLayers layers{wall.SingleLayerVert, wall.SingleLayerHoriz};
    drawBarLabel(s, x1, y, x2, y, f.xr - x1 + 8, 12, st.HorizSpacing, st.HorizDiam, layers);
}

// The bar of a family that the cut meets: the one nearest the cut along the wall.
const VerticalBar *nearestBar(const std::vector<VerticalBar> &bars, float x) {
    const VerticalBar *best = nullptr;
    for (const VerticalBar &b : bars)
        if (b.face != BarFace::Far && (!best || std::abs(b.x - x) < std::abs(best->x - x)))
            best = &b;
    return best;
}

// The two layers (or the central one) of vertical bars along the faces, from y1 to y2.
void faceBars(Surface &s, const Faces &f, float y1, float y2) {
    if (!(y2 - y1 > 0.1f))
        return;
    s.drawLine(f.xv1, y1, f.xv1, y2, FERRI, ByLayer);
    if (!f.singleV)
        s.drawLine(f.xv2, y1, f.xv2, y2, FERRI, ByLayer);
}

// A spacing as the labels write it: rounded down to half a centimetre.
float roundedSpacing(float v) {
    return floorToHalf(v);
}

// Spacing of the bars of the edge row a bar belongs to, to one decimal (0 for a lone bar).
float rowSpacing(const std::vector<VerticalBar> &bars, const VerticalBar &bar) {
    std::vector<float> row;
    for (const VerticalBar &v : bars)
        if (v.zone == bar.zone && v.face == bar.face)
            row.push_back(v.x);
    return row.size() >= 2 ? roundedSpacing(std::abs(row[1] - row[0])) : 0;
}

// A storey cut in its web: the horizontal bars of every level as dots with the ties of the
// web bar the cut meets, the web bars along the faces with their lap.
void webStorey(Surface &s, const Wall &wall, const StoreyLayout &b, const Faces &f, float xCut,
               float shapeX) {
    const bool centralRow = wall.SingleLayerHoriz != 0;
    for (const HorizontalBar &h : b.horizontalBars)
        drawBarDot(s, centralRow ? (f.xh1 + f.xh2) / 2 : (h.face == BarFace::Far ? f.xh2 : f.xh1),
                   h.y, b.horizDiameter);
    const VerticalBar *bar = nearestBar(b.webBars, xCut);
    if (!bar)
        return;
    if (!centralRow)
        for (const Tie &t : b.ties)
            if (t.zone == BarZone::Web && std::abs(t.x - bar->x) < 0.01f)
                drawTie(s, {f.xh1, t.y}, {f.xh2, t.y});
    faceBars(s, f, bar->bottom, bar->top);
    barStick(s, shapeX, bar->bottom, bar->top, b.webDiameter, roundedSpacing(b.webSpacing));
}

// A storey cut in an edge zone: the edge bars along the faces, the stirrup sets across the
// thickness with their ties, and the brackets naming them.
void edgeStorey(Surface &s, const Wall &wall, const StoreyLayout &b, const Faces &f, float xCut,
                float shapeX, float X) {
    const VerticalBar *bar = nearestBar(b.edgeBars, xCut);
    if (!bar)
        return;
    faceBars(s, f, bar->bottom, bar->top);
    barStick(s, shapeX, bar->bottom, bar->top, b.edgeDiameter, rowSpacing(b.edgeBars, *bar));
    // One line across the thickness for each stirrup set (its ties lie at the same level).
    for (float y : b.stirrupLevels)
        s.drawLine(f.xh1, y, f.singleH ? f.xh1 : f.xh2, y, FERRI, ByLayer);
    // Brackets with the ties' and the stirrups' descriptions on the left of the section,
    // beyond the names of the horizontal cut marks that end 21 cm left of the face.
    std::string sign(diameterSign(s));
    if (b.stirrupLevels.empty())
        return;
    zoneBracket(s, X, X - 23, b.bottom, b.top,
                "Legature: min. 9 " + sign + std::to_string(wall.TieDiameter) + " per mq");
    auto stirrupText = [&](float sp) {
        return "St. " + sign + std::to_string(b.horizDiameter) + "/" +
               plainNumber(roundedSpacing(sp));
    };
    const bool base = b.critSpacing > 0 && b.baseZoneTop > b.bottom + 0.1f;
    if (base)
        zoneBracket(s, X - 23, X - 35, b.bottom, b.baseZoneTop, stirrupText(b.critSpacing));
    if (b.baseZoneTop < b.top - 0.1f)
        zoneBracket(s, X - 23, X - 35, base ? b.baseZoneTop : b.bottom, b.top,
                    stirrupText(b.stirrupSpacing));
}

} // namespace

std::string vertSectionTitle(int index) {
    std::string l = vertSectionName(index);
    return "Sezione " + l + "-" + l;
}

bool cutInEdgeZone(const Wall &wall, int k, int index) {
    if (k < 0 || k >= wall.storeyCount() || index < 0 || index >= wall.vertSectionCount())
        return false;
    const Storey &st = wall.Storeys[k];
    const float x1 = wall.VertSections[index].X1;
    const StoreyEnds e = storeyEnds(st, StoreyExtent::Wall);
    return x1 < e.left + st.EdgeLength || x1 > e.right - st.EdgeLength;
}

void drawVerticalSection(Surface &s, const Wall &wall, int index, float X) {
    if (index < 0 || index >= wall.vertSectionCount() || wall.storeyCount() == 0)
        return;
    const VertSection &vs = wall.VertSections[index];
    const int n = wall.storeyCount();
    const int first = std::clamp(vs.StoreyIndex, 0, n - 1);
    const int last = std::clamp(vs.TopStorey, first + 1, n);
    const float T = wall.Thickness, c = wall.Cover;
    const float base = wall.BaseLevel;
    Faces f;
    f.xr = X + T;
    f.singleV = wall.SingleLayerVert != 0;
    f.singleH = wall.NoEdgeZones != 0 && wall.SingleLayerHoriz != 0;

    // 1. Title, centred on the section's left face in DXF.
    std::string title = vertSectionTitle(index);
    float ty = base - wall.FoundationThickness - 30;
    if (s.isDxf())
        dxfWorldText(s, X, ty, title, TESTO_POSIZIONI, 7, 1);
    else
        screenWorldText(s, X, ty, title, TESTO_POSIZIONI, 12);

    // 2. Foundation with the starter bar.
    if (vs.StoreyIndex == 0) {
        const Storey &s0 = wall.Storeys[0];
        if (!(wall.FoundationThickness > 0)) {
            s.drawLine(X, base, f.xr, base, BORDO, ByLayer);
            drawDimension(s, X, base - 15, f.xr, base - 15);
        } else {
            const float yb = base - wall.FoundationThickness;
            s.drawLine(X - 5, yb, f.xr + 5, yb, BORDO, ByLayer);
            s.drawLine(X - 5, base, X, base, BORDO, ByLayer);
            s.drawLine(f.xr, base, f.xr + 5, base, BORDO, ByLayer);
            s.drawLine(X, base, f.xr, base, BORDO, Dashed);
            s.drawLine(X - 5, yb, X - 5, base, BORDO, ByLayer);
            s.drawLine(f.xr + 5, yb, f.xr + 5, base, BORDO, ByLayer);
            drawDimension(s, X, yb - 15, f.xr, yb - 15);
            const float yf = yb + c;
            const float dh = 0.1f * static_cast<float>(s0.HorizDiam);
            const float xb = f.singleV ? T * 0.5f + X - 1 : X + c + dh;
            s.drawLine(xb, yf, xb + T - 2 * c, yf, FERRI, ByLayer);
            s.drawLine(xb, yf, xb, base, FERRI, ByLayer);
            if (!f.singleV)
                s.drawLine(f.xr - c - dh, yf, f.xr - c - dh, base, FERRI, ByLayer);
            // The starters stand beside the first storey's bar (first column), in the second
            // column and one thickness further right: their laps and legs never overlap.
            const FoundationBars fb = foundationBars(wall);
            const bool edge = cutInEdgeZone(wall, 0, index);
            const int diam = edge ? fb.edgeDiameter : fb.webDiameter;
            float lap = lapLength(wall, diam);
            float leg = static_cast<float>(roundHalfEven(T - 2 * c));
            const float x0 = f.xr + kShapeX + kShapeColumn;
            const StoreyLayout b0 = storeyLayout(wall, 0);
            float spacing = roundedSpacing(b0.webSpacing);
            if (edge) {
                const VerticalBar *bar = nearestBar(b0.edgeBars, vs.X1);
                spacing = bar ? rowSpacing(b0.edgeBars, *bar) : 0;
            }
            starterShape(s, x0, yf, leg, base + lap - 1, diam, spacing);
            if (!f.singleV)
                starterShape(s, x0 + T, yf, leg, base + lap + 1, diam, spacing);
        }
    }

    // 3. The storeys of the cut, bottom to top.
    for (int k = first; k < last; ++k) {
        const Storey &st = wall.Storeys[k];
        const StoreyFrame fr = storeyFrame(wall, k, 0);
        const float dh = 0.1f * static_cast<float>(st.HorizDiam);
        f.xh1 = X + c;
        f.xh2 = f.xr - c;
        f.xv1 = f.singleV ? X + T / 2 : X + c + dh;
        f.xv2 = f.singleV ? f.xv1 : f.xr - c - dh;
        s.drawLine(X, fr.Y, X, fr.Ytop, BORDO, ByLayer);
        s.drawLine(f.xr, fr.Y, f.xr, fr.Ytop, BORDO, ByLayer);
        // Bar shapes beside the section, alternating between two columns so that the lap of
        // one storey's bar stands beside the next storey's bar.
        const StoreyLayout bars = storeyLayout(wall, k);
        const float shapeX = f.xr + kShapeX + ((k - first) % 2) * kShapeColumn;
        if (!cutInEdgeZone(wall, k, index))
            webStorey(s, wall, bars, f, vs.X1, shapeX);
        else
            edgeStorey(s, wall, bars, f, vs.X1, shapeX, X);
        // At a bar level a third of the way up: clear of the default cuts at the storey's
        // middle.
        const std::vector<float> &levels = bars.horizontalLevels;
        float labelY = levels.empty() ? fr.Y + fr.H * 0.3f
                                      : levels[static_cast<std::size_t>(levels.size() * 0.3)];
        horizBarLabel(s, wall, st, f, labelY);
        float level = k == 0 ? fr.Y : storeyLevel(wall, k - 1);
        levelMark(s, f.xr + 15, level, level, 0);
        s.drawLine(X - 25, level, f.xr + kLevelLineEnd, level, QUOTE, Dashed);
    }
    float topLevel = storeyLevel(wall, last - 1);
    levelMark(s, f.xr + 15, topLevel, topLevel, 0);
    s.drawLine(X - 25, topLevel, f.xr + kLevelLineEnd, topLevel, QUOTE, Dashed);

    // 4. Marks of the horizontal sections that cross this cut.
    const int hn = std::min(wall.horizSectionCount(), kMaxHorizSections);
    for (int j = 0; j < hn; ++j) {
        const HorizSection &h = wall.HorizSections[j];
        if (h.StoreyIndex >= vs.StoreyIndex && h.StoreyIndex <= vs.TopStorey - 1)
            horizCutMark(s, X - 5, h.Y1, f.xr + 5, h.Y1, signedText(j + 1));
    }
}

} // namespace murcad
