// A vertical section of the wall: thickness, foundation, bars, ties, bar shapes and levels.
#include "drawings/vertical_section.h"

#include "draw/dimensions.h"
#include "draw/text.h"
#include "drawings/bar_rows.h"
#include "drawings/elevation_parts.h"
#include "drawings/marks.h"
#include "drawings/storey_frame.h"
#include "geometry/bar_geometry.h"
#include "geometry/numbers.h"

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {

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

// A bar drawn beside the section as a straight stick from y1 to y2 with its description
// "Ø16 L=325" (length rounded to 5 cm) reading upwards to its right.
void barStick(Surface &s, float x, float y1, float y2, int diameter) {
    if (!(y2 - y1 > 0.1f))
        return;
    s.drawLine(x, y1, x, y2, FERRI_EST, ByLayer);
    std::string text = std::string(diameterSign(s)) + std::to_string(diameter) +
                       " L=" + formatNumber(roundToFive(y2 - y1), 0);
    verticalText(s, x + 5, (y1 + y2) / 2, text, TESTO_POSIZIONI);
}

// An L-shaped starter bar beside the section: a bottom leg and a leg rising to yTop.
void starterShape(Surface &s, float x, float yf, float leg, float yTop, int diameter,
                  bool toRight) {
    float x2 = toRight ? x + leg : x - leg;
    s.drawLine(std::min(x, x2), yf, std::max(x, x2), yf, FERRI_EST, ByLayer);
    s.drawLine(x, yf, x, yTop, FERRI_EST, ByLayer);
    float total = static_cast<float>(roundHalfEven(leg)) + (yTop - yf);
    std::string text = std::string(diameterSign(s)) + std::to_string(diameter) +
                       " L=" + formatNumber(roundToFive(total), 0);
    verticalText(s, x + 5, (yf + yTop) / 2, text, TESTO_POSIZIONI);
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

// Tie lines across the thickness of an edge zone with a base zone shorter than the storey.
void edgeZoneTieLines(Surface &s, float x1, float y, float x2, float yt, float sCrit, float F,
                      float s2) {
    s.drawLine(x1, y, x2, y, FERRI, ByLayer);
    s.drawLine(x1, yt, x2, yt, FERRI, ByLayer);
    if (F > 0) {
        s.drawLine(x1, y + F, x2, y + F, FERRI, ByLayer);
        for (float l : evenFromBottom(y, y + F, sCrit))
            s.drawLine(x1, l, x2, l, FERRI, ByLayer);
    }
    for (float l : evenFromBottom(y, yt, s2))
        if (l > y + F)
            s.drawLine(x1, l, x2, l, FERRI, ByLayer);
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

void webStorey(Surface &s, const Wall &wall, int k, const StoreyFrame &fr, const Faces &f, float yt,
               bool wallTop, float X) {
    const Storey &st = wall.Storeys[k];
    const bool centralRow = wall.NoEdgeZones != 0 && wall.SingleLayerHoriz != 0;
    std::vector<float> levels = evenFromBottom(fr.Y, yt, st.HorizSpacing);
    const int n = static_cast<int>(levels.size());
    const int m = webTieArgument(st);
    for (int i = 0; i < n; ++i) {
        float y = levels[i];
        if (centralRow) {
            drawBarDot(s, (f.xh1 + f.xh2) / 2, y, st.HorizDiam);
            continue;
        }
        drawBarDot(s, f.xh1, y, st.HorizDiam);
        drawBarDot(s, f.xh2, y, st.HorizDiam);
        if (m == 0 || wall.NoEdgeZones != 0 || !alternateTie(i + 1, n, false))
            continue;
        if (m >= 1)
            drawTie(s, {f.xh1, y}, {f.xh2, y});
        else
            s.drawLine(f.xh1, y + 1, f.xh2, y + 1, FERRI, ByLayer);
    }
    // Vertical web bars along the faces, lapped into the storey above.
    float top = wallTop ? fr.Ytop - wall.Cover : fr.Ytop + fr.lapB;
    s.drawLine(f.xv1, fr.Y, f.xv1, top, FERRI, ByLayer);
    if (!f.singleV)
        s.drawLine(f.xv2, fr.Y, f.xv2, top, FERRI, ByLayer);
    barStick(s, f.xr + 50, fr.Y, top, st.DiamB);
    (void)X;
}

void edgeStorey(Surface &s, const Wall &wall, int k, const StoreyFrame &fr, const Faces &f,
                float yt, bool wallTop, float X) {
    const Storey &st = wall.Storeys[k];
    const float c = wall.Cover;
    const float F = st.BaseZoneHeight;
    const float hA = F + fr.lapA;
    const float barTop = wallTop ? fr.Ytop - c : fr.Ytop;
    // Bars of the edge zone at the two faces; set B stands 1 cm inside set A where both run.
    auto bars = [&](float y1, float y2, float inset) {
        s.drawLine(f.xv1 + inset, y1, f.xv1 + inset, y2, FERRI, ByLayer);
        if (!f.singleV)
            s.drawLine(f.xv2 - inset, y1, f.xv2 - inset, y2, FERRI, ByLayer);
    };
    if (!(F > 0)) {
        float top = wallTop ? barTop : fr.Ytop + fr.lapB;
        bars(fr.Y, top, 0);
        barStick(s, f.xr + 50, fr.Y, top, st.DiamB);
    } else if (hA < fr.H) {
        bars(fr.Y, fr.Y + hA, 0);
        bars(fr.Y + F, barTop, 1);
        barStick(s, f.xr + 50, fr.Y, fr.Y + hA, st.DiamA);
        barStick(s, f.xr + 50 + wall.Thickness, fr.Y + F, barTop, st.DiamB);
    } else {
        float top = wallTop ? barTop : fr.Ytop + fr.lapA;
        bars(fr.Y, top, 0);
        barStick(s, f.xr + 50, fr.Y, top, st.DiamA);
    }
    // Ties across the thickness.
    float S = st.TieSpacingSet > 0 ? st.TieSpacingSet : floorToHalf(st.HorizSpacing);
    float sCrit = tieSpacing(S, st.DiamA);
    float x1 = f.xh1, x2 = f.singleH ? f.xh1 : f.xh2;
    if (x2 - x1 < 0.5f)
        x2 = f.xh2;
    float tieTop = F > 0 && hA < fr.H ? fr.Y + F : yt;
    if (!(hA < fr.H))
        edgeTies(s, x1, fr.Y, x2, yt, sCrit);
    else
        edgeZoneTieLines(s, x1, fr.Y, x2, yt, sCrit, F, st.WebSpacing);
    // Brackets with the ties' and the stirrups' descriptions on the left of the section,
    // beyond the names of the horizontal cut marks that end 21 cm left of the face.
    std::string sign(diameterSign(s));
    zoneBracket(s, X, X - 23, fr.Y, tieTop,
                "Legature: min. 9 " + sign + std::to_string(wall.TieDiameter) + " per mq");
    zoneBracket(s, X - 23, X - 35, fr.Y, yt,
                "St. " + sign + std::to_string(st.HorizDiam) + "/" +
                    plainNumber(F > 0 ? sCrit : floorToHalf(st.HorizSpacing)));
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
    return x1 < -st.Length / 2 + st.Shift + st.EdgeLength ||
           x1 > st.Length / 2 + st.Shift - st.EdgeLength;
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
            int diam = cutInEdgeZone(wall, 0, index) ? s0.DiamA : s0.DiamB;
            float lap = lapLength(wall, diam);
            float leg = static_cast<float>(roundHalfEven(T - 2 * c));
            starterShape(s, f.xr + 50, yf, leg, base + lap - 1, diam, true);
            if (!f.singleV)
                starterShape(s, f.xr + 50 + T, yf, leg, base + lap + 1, diam, true);
        }
    }

    // 3. The storeys of the cut, bottom to top.
    for (int k = first; k < last; ++k) {
        const Storey &st = wall.Storeys[k];
        const StoreyFrame fr = storeyFrame(wall, k, 0);
        const bool cutTop = k == last - 1;
        const bool wallTop = k == n - 1;
        const float yt = cutTop ? fr.Ytop - c : fr.Ytop;
        const float dh = 0.1f * static_cast<float>(st.HorizDiam);
        f.xh1 = X + c;
        f.xh2 = f.xr - c;
        f.xv1 = f.singleV ? X + T / 2 : X + c + dh;
        f.xv2 = f.singleV ? f.xv1 : f.xr - c - dh;
        s.drawLine(X, fr.Y, X, fr.Ytop, BORDO, ByLayer);
        s.drawLine(f.xr, fr.Y, f.xr, fr.Ytop, BORDO, ByLayer);
        if (!cutInEdgeZone(wall, k, index))
            webStorey(s, wall, k, fr, f, yt, wallTop, X);
        else
            edgeStorey(s, wall, k, fr, f, yt, wallTop, X);
        // At a bar level a third of the way up: clear of the default cuts at the storey's
        // middle.
        std::vector<float> levels = evenFromBottom(fr.Y, yt, st.HorizSpacing);
        float labelY = levels.empty() ? fr.Y + fr.H * 0.3f
                                      : levels[static_cast<std::size_t>(levels.size() * 0.3)];
        horizBarLabel(s, wall, st, f, labelY);
        float level = k == 0 ? fr.Y : storeyLevel(wall, k - 1);
        levelMark(s, f.xr + 15, level, level, 0);
        s.drawLine(X - 25, level, f.xr + T + 65, level, QUOTE, Dashed);
    }
    float topLevel = storeyLevel(wall, last - 1);
    levelMark(s, f.xr + 15, topLevel, topLevel, 0);
    s.drawLine(X - 25, topLevel, f.xr + T + 65, topLevel, QUOTE, Dashed);

    // 4. Marks of the horizontal sections that cross this cut.
    const int hn = std::min(wall.horizSectionCount(), kMaxHorizSections);
    for (int j = 0; j < hn; ++j) {
        const HorizSection &h = wall.HorizSections[j];
        if (h.StoreyIndex >= vs.StoreyIndex && h.StoreyIndex <= vs.TopStorey - 1)
            horizCutMark(s, X - 5, h.Y1, f.xr + 5, h.Y1, signedText(j + 1));
    }
}

} // namespace murcad
