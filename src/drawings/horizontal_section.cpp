// A horizontal section of the wall with its bars, ties, labels and small bar schedule.
#include "drawings/horizontal_section.h"

#include "bars/bar_layout.h"
#include "draw/dimensions.h"
#include "draw/text.h"
#include "drawings/bar_rows.h"
#include "drawings/storey_frame.h"
#include "geometry/bar_geometry.h"
#include "geometry/numbers.h"

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {

float stackThickness(const Wall &wall) {
    return wall.Thickness > 27 ? wall.Thickness : 28;
}

// A U-shaped horizontal bar of the schedule: two legs down of depth d at both ends and the
// straight part from x1 to x2 with its description. Returns nothing; the description carries
// the developed length.
void uBar(Surface &s, float x1, float x2, float y, float d, bool legs, int diameter,
          float spacing) {
    float extra = 0;
    if (legs) {
        drawBarDimension(s, x1, y, x1, y - d, 0);
        extra = 2.0f * static_cast<float>(drawBarDimension(s, x2, y, x2, y - d, 0));
    }
    drawBarShape(s, x1, y, x2, y, extra, diameter, spacing);
}

// The closed tie of one edge zone in the schedule: its inner leg at xLeg, its hooked corner
// at xHook (the face side), top at yt and depth w; mirrored for the right edge zone.
void scheduleTie(Surface &s, float xHook, float xLeg, float yt, float w, float h, float c,
                 float edge, int diameter, float spacing) {
    const float dir = xLeg > xHook ? 1.0f : -1.0f;
    int leg = drawBarDimension(s, xLeg, yt, xLeg, yt - w, -1);
    float total = static_cast<float>(roundHalfEven(2.0f * leg + edge - c + 2 * h));
    s.drawLine(xHook, yt - 1.5f, xHook + dir * h, yt - 1.5f - h, FERRI_EST, ByLayer);
    s.drawLine(xHook + dir * 1.5f, yt, xHook + dir * (1.5f + h), yt - h, FERRI_EST, ByLayer);
    s.drawLine(std::min(xHook, xLeg), yt - w, std::max(xHook, xLeg), yt - w, FERRI_EST, ByLayer);
    s.drawLine(xHook, yt, xHook, yt - w, FERRI_EST, ByLayer);
    drawBarShape(s, std::min(xHook, xLeg), yt, std::max(xHook, xLeg), yt, total, diameter, spacing);
}

} // namespace

std::string horizSectionTitle(int index) {
    std::string n = std::to_string(index + 1);
    return "Sezione " + n + " - " + n;
}

float horizSectionBase(const Wall &wall, int index) {
    return 6 * stackThickness(wall) * static_cast<float>(index) + wall.BaseLevel;
}

void drawHorizontalSection(Surface &s, const Wall &wall, int index) {
    if (index < 0 || index >= wall.horizSectionCount())
        return;
    const HorizSection &sec = wall.HorizSections[index];
    if (sec.StoreyIndex < 0 || sec.StoreyIndex >= wall.storeyCount())
        return;
    const Storey &st = wall.Storeys[sec.StoreyIndex];
    const float T = wall.Thickness, c = wall.Cover;
    const float L = st.Length, E = st.EdgeLength;
    const float tStack = stackThickness(wall);
    const float ysec = horizSectionBase(wall, index);
    const float ltot = st.OffsetLeft + L + st.OffsetRight;
    const bool noEdge = wall.NoEdgeZones != 0;
    const bool singleV = wall.SingleLayerVert != 0;
    const bool singleH = wall.SingleLayerHoriz != 0;
    const LabelLayers labelLayers{wall.SingleLayerVert, wall.SingleLayerHoriz};

    // 1. Title.
    std::string title = horizSectionTitle(index);
    float ty = ysec + 50 + T;
    if (s.isDxf())
        dxfWorldText(s, 0, ty, title, TESTO_POSIZIONI, 6, 0, 0, -4 * s.dxfScale());
    else
        screenWorldText(s, 0, ty, title, TESTO_POSIZIONI, 12);

    // 2. Concrete outline and 3. its dimensions.
    float y = ysec + 15;
    s.drawLine(0, y, ltot, y, BORDO, ByLayer);
    s.drawLine(ltot, y, ltot, y + T, BORDO, ByLayer);
    s.drawLine(0, y + T, ltot, y + T, BORDO, ByLayer);
    s.drawLine(0, y, 0, y + T, BORDO, ByLayer);
    drawDimension(s, 0, y + T + 10, ltot, y + T + 10);
    drawDimension(s, ltot + 15, y, ltot + 15, y + T);

    // 4. Inner width between the two bar layers; 5. horizontal bars.
    y += c;
    const float W = T - 2 * c;
    if (singleH) {
        s.drawLine(c, y + W / 2, ltot - c, y + W / 2, FERRI, ByLayer);
    } else {
        s.drawLine(c, y, ltot - c, y, FERRI, ByLayer);
        s.drawLine(ltot - c, y, ltot - c, y + W, FERRI, ByLayer);
        s.drawLine(c, y + W, ltot - c, y + W, FERRI, ByLayer);
        s.drawLine(c, y, c, y + W, FERRI, ByLayer);
    }

    // 6. The vertical bars of the storey's layout crossing the cut, with their labels, and
    // the ties of the stirrup set and of the web bar level nearest the cut.
    const StoreyLayout bars = storeyLayout(wall, sec.StoreyIndex);
    const float y0 = ysec + 15; // the near face
    auto sx = [&](float x) { return x - bars.xLeft; };
    for (const VerticalBar &b : bars.edgeBars)
        drawBarDot(s, sx(b.x), y0 + b.z, bars.edgeDiameter);
    for (const VerticalBar &b : bars.webBars)
        drawBarDot(s, sx(b.x), y0 + b.z, bars.webDiameter);
    const float zNearEdge =
        verticalBarZ(wall, singleV && noEdge ? BarFace::Middle : BarFace::Near, bars.edgeDiameter);
    const float zFarEdge =
        verticalBarZ(wall, singleV && noEdge ? BarFace::Middle : BarFace::Far, bars.edgeDiameter);
    // Every label stands on a tail 10 cm under the section's near face, so that its text stays
    // clear of the concrete outline on screen as in the DXF.
    auto labelDy = [&](float yBar) { return y0 - 10 - yBar; };
    if (noEdge) {
        // One bar at each end of each layer: the label gives their number.
        for (const VerticalBar &b : bars.edgeBars)
            if (b.face != BarFace::Far)
                drawBarLabel(s, sx(b.x), y0 + zNearEdge, sx(b.x), y0 + zFarEdge, 10,
                             labelDy(y0 + zNearEdge), 0, bars.edgeDiameter, labelLayers);
    } else {
        // Each edge zone is labelled at its middle bar with the row's spacing.
        for (BarZone zone : {BarZone::LeftEdge, BarZone::RightEdge}) {
            std::vector<float> xs;
            for (const VerticalBar &b : bars.edgeBars)
                if (b.zone == zone && b.face == BarFace::Near)
                    xs.push_back(b.x);
            if (xs.empty())
                continue;
            const std::size_t m = xs.size() >= 2 ? xs.size() / 2 - 1 : 0;
            float spacing = xs.size() >= 2 ? std::abs(xs[1] - xs[0]) : 0;
            spacing = static_cast<float>(roundHalfEven(spacing * 10.0f) / 10.0);
            drawBarLabel(s, sx(xs[m]), y0 + zNearEdge, sx(xs[m]), y0 + zFarEdge, 10,
                         labelDy(y0 + zNearEdge), spacing, bars.edgeDiameter, labelLayers);
        }
    }
    {
        // The web bars are labelled at the middle of the web with their actual spacing.
        std::vector<float> xs;
        for (const VerticalBar &b : bars.webBars)
            if (b.face != BarFace::Far)
                xs.push_back(b.x);
        if (!xs.empty()) {
            const BarFace nf = singleV ? BarFace::Middle : BarFace::Near;
            const BarFace ff = singleV ? BarFace::Middle : BarFace::Far;
            float x = sx(xs[(xs.size() - 1) / 2]);
            const float yNear = y0 + verticalBarZ(wall, nf, bars.webDiameter);
            drawBarLabel(s, x, yNear, x, y0 + verticalBarZ(wall, ff, bars.webDiameter), 10,
                         labelDy(yNear), bars.webSpacing, bars.webDiameter, labelLayers);
        }
    }
    std::vector<float> webTieLevels;
    for (const Tie &t : bars.ties)
        if (t.zone == BarZone::Web && (webTieLevels.empty() || webTieLevels.back() != t.y))
            webTieLevels.push_back(t.y);
    const int stirrupLevel = nearestLevel(bars.stirrupLevels, sec.Y1);
    const int webLevel = nearestLevel(webTieLevels, sec.Y1);
    for (const Tie &t : bars.ties) {
        bool shown = t.zone == BarZone::Web
                         ? t.y == webTieLevels[static_cast<std::size_t>(webLevel)]
                         : (stirrupLevel >= 0 && t.y == bars.stirrupLevels[stirrupLevel]);
        if (shown)
            drawTie(s, {sx(t.x), y0 + t.z1}, {sx(t.x), y0 + t.z2});
    }

    // 7. The bar schedule under the section.
    const float S = floorToHalf(st.HorizSpacing);
    const float yb = y - 10 - tStack;
    const float d = std::min(W, 15.0f);
    uBar(s, c, ltot - c, yb, d, !singleH, st.HorizDiam, S);
    float lowest = yb - d;
    if (E > 0 && !noEdge) {
        const float yt = yb - d - 10;
        const float h = W > 10 ? 10 : W - 1.5f;
        // The spacing of the stirrup sets as laid out (and counted) where the cut lies.
        float tieSp =
            sec.AboveBaseZone == 0 && bars.critSpacing > 0 ? bars.critSpacing : bars.stirrupSpacing;
        tieSp = floorToHalf(tieSp);
        scheduleTie(s, c, E, yt, W, h, c, E, st.HorizDiam, tieSp);
        scheduleTie(s, ltot - c, ltot - E, yt, W, h, c, E, st.HorizDiam, tieSp);
        lowest = yt - W;
    }
    if (!singleH)
        uBar(s, c, ltot - c, lowest - 5, d, true, st.HorizDiam, S);
}

} // namespace murcad
