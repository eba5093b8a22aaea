// A horizontal section of the wall with its bars, ties, labels and small bar schedule.
#include "drawings/horizontal_section.h"

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

int sectionEdgeBarCount(const Wall &wall, const HorizSection &h) {
    const Storey &st = wall.Storeys[h.StoreyIndex];
    if (!(st.BaseZoneHeight > 0))
        return st.CountB;
    float reach = st.BaseZoneHeight + lapLength(wall, st.DiamA);
    float zk = storeyBottomLevel(wall, h.StoreyIndex);
    if (reach >= st.Height || zk + reach > h.Y1)
        return st.CountA;
    return st.CountB;
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
    const float dA = static_cast<float>(st.DiamA) / 10;
    const float dB = static_cast<float>(st.DiamB) / 10;
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
        s.drawLine(c, y + W / 2 - dB, ltot - c, y + W / 2 - dB, FERRI, ByLayer);
    } else {
        s.drawLine(c, y, ltot - c, y, FERRI, ByLayer);
        s.drawLine(ltot - c, y, ltot - c, y + W, FERRI, ByLayer);
        s.drawLine(c, y + W, ltot - c, y + W, FERRI, ByLayer);
        s.drawLine(c, y, c, y + W, FERRI, ByLayer);
    }

    // 6. Vertical bars crossing the cut.
    float u = W - 2 * dB;
    if (noEdge && singleV)
        u = singleH ? W / 2 - dB / 2 : W / 2 - dB;
    if (!(E > 0) || noEdge) {
        int diam = st.DiamA < 1 ? st.DiamB : st.DiamA;
        float xa = dA + c, xb = ltot - c - dA;
        float yl = y + dB, yu = y + dB + u;
        if (!singleV) {
            drawBarDot(s, xa, yl, diam);
            drawBarDot(s, xb, yl, diam);
        }
        drawBarDot(s, xa, yu, diam);
        drawBarDot(s, xb, yu, diam);
        float dy = singleH ? -8 - T / 2 : -14;
        drawBarLabel(s, xa, yl, xa, yu, 10, dy, 0, diam, labelLayers);
        drawBarLabel(s, xb, yl, xb, yu, 10, dy, 0, diam, labelLayers);
    } else {
        int n = sectionEdgeBarCount(wall, sec);
        BarRowResult left = drawBarRow(s, {c + dA, y + dA}, {E - dA, y + dA}, n, st.DiamA,
                                       st.StoreyExtra, u, false);
        if (left.hasMiddle)
            drawBarLabel(s, left.middle.x, left.middle.y, left.middle.x, left.middle.y + u, 10, -14,
                         left.spacing, st.DiamA, labelLayers);
        BarRowResult right = drawBarRow(s, {ltot - E + dA, y + dA}, {ltot - c - dA, y + dA}, n,
                                        st.DiamA, st.StoreyExtra, u, true);
        if (right.hasMiddle)
            drawBarLabel(s, right.middle.x, right.middle.y, right.middle.x, right.middle.y + u, 10,
                         -14, right.spacing, st.DiamA, labelLayers);
        drawWebRow(s, wall, {c + E, y + dB}, {ltot - E - c, y + dB}, st.WebSpacing, st.DiamB, u,
                   webTieArgument(st));
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
        float tieSp;
        if (sec.AboveBaseZone == 0)
            tieSp = st.TieSpacingSet > 0 ? st.TieSpacingSet : tieSpacing(S, st.DiamA);
        else
            tieSp = S;
        scheduleTie(s, c, E, yt, W, h, c, E, st.HorizDiam, tieSp);
        scheduleTie(s, ltot - c, ltot - E, yt, W, h, c, E, st.HorizDiam, tieSp);
        lowest = yt - W;
    }
    if (!singleH)
        uBar(s, c, ltot - c, lowest - 5, d, true, st.HorizDiam, S);
}

} // namespace murcad
