// The wall elevation: foundation, storeys, edge zones, web, diagonals, dimensions and marks.
#include "drawings/elevation.h"

#include "bars/bar_layout.h"
#include "draw/dimensions.h"
#include "draw/text.h"
#include "drawings/marks.h"
#include "drawings/storey_frame.h"
#include "geometry/diagonal_geometry.h"
#include "geometry/numbers.h"

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {

// The wall's length is dimensioned this far under the foundation: its figure stays clear of
// the bottom arrows and names of the vertical cut marks, which reach 17 cm down.
constexpr float kLengthDimension = 35;

bool hasEdgeZones(const Wall &wall, const Storey &st) {
    return st.EdgeLength > 0 && wall.NoEdgeZones == 0;
}

// The vertical bars of one family: one line per place along the wall (the bars of the two
// layers stand behind each other), from each bar's bottom to its top, lap included.
void verticalBars(Surface &s, const std::vector<VerticalBar> &bars, float X) {
    for (const VerticalBar &b : bars)
        if (b.face != BarFace::Far)
            s.drawLine(X + b.x, b.bottom, X + b.x, b.top, FERRI, ByLayer);
}

// Where the bars of an edge zone stop under the storey top (nothing continues above them), a
// closing line joins their ends.
void closingLines(Surface &s, const Wall &wall, const StoreyLayout &b, const StoreyFrame &f,
                  float X) {
    const float yc = b.top - wall.Cover;
    for (BarZone zone : {BarZone::LeftEdge, BarZone::RightEdge}) {
        float lo = 0, hi = 0;
        bool any = false;
        for (const VerticalBar &v : b.edgeBars)
            if (v.zone == zone && v.face != BarFace::Far && std::abs(v.top - yc) < 0.001f) {
                lo = any ? std::min(lo, v.x) : v.x;
                hi = any ? std::max(hi, v.x) : v.x;
                any = true;
            }
        if (!any || !hasEdgeZones(wall, wall.Storeys[b.storey]))
            continue;
        if (zone == BarZone::LeftEdge)
            s.drawLine(f.xLc, yc, std::max(f.xL3, X + hi), yc, SEZIONI, ByLayer);
        else
            s.drawLine(std::min(f.xR3, X + lo), yc, f.xRc, yc, SEZIONI, ByLayer);
    }
}

// The bars of storey i from its layout: edge-zone and web bars with their laps, the
// horizontal bars across the web and the stirrups of the edge zones.
void storeyBarsDrawn(Surface &s, const Wall &wall, int i, const StoreyFrame &f, float X) {
    const Storey &st = wall.Storeys[i];
    const StoreyLayout b = storeyLayout(wall, i);
    verticalBars(s, b.edgeBars, X);
    verticalBars(s, b.webBars, X);
    if (i < wall.storeyCount() - 1)
        closingLines(s, wall, b, f, X);
    const bool edges = hasEdgeZones(wall, st);
    const float hx1 = edges ? f.xL3 : f.xL3 + wall.Cover;
    const float hx2 = edges ? f.xR3 : f.xR3 - wall.Cover;
    for (float y : b.horizontalLevels)
        s.drawLine(hx1, y, hx2, y, FERRI, ByLayer);
    for (const Stirrup &t : b.stirrups)
        s.drawLine(X + t.x1, t.y, X + t.x2, t.y, FERRI, ByLayer);
}

void titleText(Surface &s, float x, float y, const std::string &text, float dxfHeight,
               float screenHeight) {
    if (s.isDxf())
        dxfWorldText(s, x, y, text, TESTO_POSIZIONI, dxfHeight, 0);
    else
        screenWorldText(s, x, y, text, TESTO_POSIZIONI, screenHeight);
}

void foundation(Surface &s, const Wall &wall, const StoreyFrame &f0, float X) {
    const Storey &st = wall.Storeys[0];
    const float base = wall.BaseLevel;
    if (!(wall.FoundationThickness > 0)) {
        s.drawLine(f0.xL, base, f0.xR, base, BORDO, ByLayer);
        drawDimension(s, f0.xL, base - kLengthDimension, f0.xR, base - kLengthDimension);
        return;
    }
    const float yb = base - wall.FoundationThickness;
    s.drawLine(f0.xL, yb, f0.xR, yb, BORDO, ByLayer);
    s.drawLine(f0.xL, base, f0.xL, yb, BORDO, ByLayer);
    s.drawLine(f0.xR, base, f0.xR, yb, BORDO, ByLayer);
    drawDimension(s, f0.xL, yb - kLengthDimension, f0.xR, yb - kLengthDimension);
    // The starter bars rise from the bottom bars to the base level, where the bars of the
    // first storey (at the same places) carry on with the lap.
    const float yf = yb + wall.Cover;
    const FoundationBars fb = foundationBars(wall);
    for (const auto *bars : {&fb.edgeBars, &fb.webBars})
        for (const VerticalBar &b : *bars)
            if (b.face != BarFace::Far)
                s.drawLine(X + b.x, yf, X + b.x, base, FERRI, ByLayer);
    if (hasEdgeZones(wall, st)) {
        for (auto [x1, x2] : {std::pair{f0.xLc, f0.xL3}, std::pair{f0.xR3, f0.xRc}}) {
            s.drawLine(x1, yf, x2, yf, FERRI, ByLayer);
            s.drawLine(x1, base, x2, base, FERRI, ByLayer);
        }
    }
    s.drawLine(f0.xL3, yf, f0.xR3, yf, FERRI, ByLayer);
    s.drawLine(f0.xL3, base, f0.xR3, base, FERRI, ByLayer);
}

void diagonals(Surface &s, const Wall &wall, float X, const StoreyFrame &f0) {
    if (!(wall.DiagonalDiameter > 0))
        return;
    // Lines parallel to the bottom bars never meet them: then there is nothing to draw.
    const DiagonalLayout d = diagonalBars(wall);
    if (d.bars.empty())
        return;
    for (const DiagonalBar &b : d.bars)
        if (b.face != BarFace::Far)
            s.drawLine(X + b.p0.x, b.p0.y, X + b.p1.x, b.p1.y, FERRI, ByLayer);
    titleText(s, f0.xL, wall.BaseLevel - wall.FoundationThickness - 60,
              diagonalText(s, wall.DiagonalDiameter, d.length), 6, 10);
}

} // namespace

std::string diagonalText(const Surface &s, int diameter, int length) {
    return "Armatura diagonale: 4+4 " + std::string(diameterSign(s)) + signedText(diameter) +
           "  L=" + signedText(length);
}

void drawElevation(Surface &s, const Wall &wall, float X) {
    const int n = wall.storeyCount();
    if (n == 0)
        return;
    const StoreyFrame f0 = storeyFrame(wall, 0, X);
    titleText(s, f0.xL, wall.BaseLevel - wall.FoundationThickness - 40,
              "Parete n." + signedText(wall.WallNumber), 7, 12);
    foundation(s, wall, f0, X);
    diagonals(s, wall, X, f0);

    float xLp = f0.xL, xRp = f0.xR;
    for (int i = 0; i < n; ++i) {
        const Storey &st = wall.Storeys[i];
        const StoreyFrame f = storeyFrame(wall, i, X);
        if (xLp != f.xL)
            s.drawLine(xLp, f.Y, f.xL, f.Y, BORDO, ByLayer);
        if (xRp != f.xR)
            s.drawLine(xRp, f.Y, f.xR, f.Y, BORDO, ByLayer);
        s.drawLine(f.xL, f.Y, f.xL, f.Ytop, BORDO, ByLayer);
        s.drawLine(f.xR, f.Y, f.xR, f.Ytop, BORDO, ByLayer);
        s.drawLine(f.xL, f.Ytop, f.xR, f.Ytop, BORDO, i < n - 1 ? Dashed : ByLayer);
        storeyBarsDrawn(s, wall, i, f, X);
        float xd = X - st.Length / 2 - st.OffsetLeft - 25;
        drawDimension(s, xd, f.Y, xd, f.Ytop);
        // The level mark stands 15 cm right of the storey's face (xR has the offset already).
        float xm = f.xR + 15;
        if (i == 0)
            levelMark(s, xm, f.Y, f.Y, 0);
        else
            levelMark(s, xm, storeyLevel(wall, i - 1), storeyLevel(wall, i - 1), 0);
        xLp = f.xL;
        xRp = f.xR;
    }
    const StoreyFrame top = storeyFrame(wall, n - 1, X);
    levelMark(s, top.xR + 15, storeyLevel(wall, n - 1), storeyLevel(wall, n - 1), 0);

    const int hn = std::min(wall.horizSectionCount(), kMaxHorizSections);
    for (int j = 0; j < hn; ++j) {
        const HorizSection &h = wall.HorizSections[j];
        horizCutMark(s, h.X1 + X - 5, h.Y1, h.X2 + X + 5, h.Y2, signedText(j + 1));
    }
    const int vn = std::min(wall.vertSectionCount(), kMaxVertSections);
    for (int j = 0; j < vn; ++j) {
        const VertSection &v = wall.VertSections[j];
        // The cut's Y1 is already a level; 0 means the cut starts at the foundation's bottom.
        float ybot = v.Y1 != 0 ? v.Y1 : wall.BaseLevel - wall.FoundationThickness;
        vertCutMark(s, v.X1 + X, ybot - 5, v.X2 + X, v.Y2 + 5, vertSectionName(j));
    }
}

} // namespace murcad
