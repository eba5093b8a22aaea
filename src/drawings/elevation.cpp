// The wall elevation: foundation, storeys, edge zones, web, diagonals, dimensions and marks.
#include "drawings/elevation.h"

#include "draw/dimensions.h"
#include "draw/text.h"
#include "drawings/elevation_parts.h"
#include "drawings/marks.h"
#include "drawings/storey_frame.h"
#include "geometry/diagonal_geometry.h"
#include "geometry/numbers.h"

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {

// Laps of the bars of an edge-zone row x1..x2 that the storey above (xa..xb) still covers:
// bars beyond its border stop under the closing line and get no lap in the open air.
void coveredLapBars(Surface &s, float x1, float x2, float y1, float y2, int count, int diam,
                    float xa, float xb) {
    for (float x : barRowPositions(x1, x2, count, diam))
        if (x >= xa && x <= xb)
            s.drawLine(x, y1, x, y2, FERRI, ByLayer);
}

// One bar set of both edge zones over the whole storey with its laps into the storey above.
// Where the border does not continue above, the bars stop a cover short under a closing line
// and laps are drawn only where the storey above still reaches over the edge zone.
void edgeSetWithLaps(Surface &s, const Wall &wall, const StoreyFrame &f, const StoreyFrame &up,
                     int count, int diam, float lap, float tolerance, int closingLayer) {
    const float c = wall.Cover;
    if (std::abs(f.xL - up.xL) <= tolerance) {
        edgeBarRow(s, f.xLc, f.Y, f.xL3, f.Ytop, count, diam, 0);
        lapBarRow(s, f.xLc, f.Ytop, f.xL3, f.Ytop + lap, count, diam);
    } else {
        if (up.xL < f.xL3)
            coveredLapBars(s, f.xLc, f.xL3, f.Ytop, f.Ytop + lap, count, diam, up.xL, up.xR);
        edgeBarRow(s, f.xLc, f.Y, f.xL3, f.Ytop, count, diam, c);
        s.drawLine(f.xLc, f.Ytop - c, f.xL3, f.Ytop - c, closingLayer, ByLayer);
    }
    if (std::abs(f.xR - up.xR) <= tolerance) {
        edgeBarRow(s, f.xR3, f.Y, f.xRc, f.Ytop, count, diam, 0);
        lapBarRow(s, f.xR3, f.Ytop, f.xRc, f.Ytop + lap, count, diam);
    } else {
        if (up.xR > f.xR3)
            coveredLapBars(s, f.xR3, f.xRc, f.Ytop, f.Ytop + lap, count, diam, up.xL, up.xR);
        edgeBarRow(s, f.xR3, f.Y, f.xRc, f.Ytop, count, diam, c);
        s.drawLine(f.xR3, f.Ytop - c, f.xRc, f.Ytop - c, closingLayer, ByLayer);
    }
}

// One bar set of both edge zones from y1 to y2, without laps.
void edgeSetBetween(Surface &s, const StoreyFrame &f, float y1, float y2, int count, int diam) {
    edgeBarRow(s, f.xLc, y1, f.xL3, y2, count, diam, 0);
    edgeBarRow(s, f.xR3, y1, f.xRc, y2, count, diam, 0);
}

void edgeTiesBoth(Surface &s, const StoreyFrame &f, float y1, float y2, float spacing) {
    edgeTies(s, f.xLc, y1, f.xL3, y2, spacing);
    edgeTies(s, f.xR3, y1, f.xRc, y2, spacing);
}

void singleEdgeBars(Surface &s, const StoreyFrame &f, float y2) {
    s.drawLine(f.xLc + f.dA, f.Y, f.xLc + f.dA, y2, FERRI, ByLayer);
    s.drawLine(f.xRc - f.dA, f.Y, f.xRc - f.dA, y2, FERRI, ByLayer);
}

bool hasEdgeZones(const Wall &wall, const Storey &st) {
    return st.EdgeLength > 0 && wall.NoEdgeZones == 0;
}

// Edge zones and web of a storey below the top one.
void lowerStoreyBars(Surface &s, const Wall &wall, int i, const StoreyFrame &f,
                     const StoreyFrame &up) {
    const Storey &st = wall.Storeys[i];
    const float c = wall.Cover;
    const float F = st.BaseZoneHeight;
    if (!hasEdgeZones(wall, st)) {
        singleEdgeBars(s, f, f.Ytop);
    } else {
        if (!(F > 0)) {
            edgeSetWithLaps(s, wall, f, up, st.CountB, st.DiamB, f.lapB, 0.01f, SEZIONI);
        } else {
            float hA = F + f.lapA;
            if (hA < f.H) {
                edgeSetBetween(s, f, f.Y, f.Y + hA, st.CountA, st.DiamA);
                edgeSetBetween(s, f, f.Y + F, f.Ytop, st.CountB, st.DiamB);
                edgeTiesBoth(s, f, f.Y, f.Y + F, f.critTieSpacing);
            } else {
                edgeSetWithLaps(s, wall, f, up, st.CountA, st.DiamA, f.lapA, 0.1f, FERRI);
                edgeTiesBoth(s, f, f.Y, f.Ytop, f.storeyTieSpacing);
            }
        }
        edgeStirrups(s, f.xLc, f.Y, f.xL3, f.Ytop, st.HorizSpacing);
        edgeStirrups(s, f.xR3, f.Y, f.xRc, f.Ytop, st.HorizSpacing);
    }
    bool noEdge = wall.NoEdgeZones != 0;
    WebWindow none;
    if (up.xL <= f.xL3 && up.xR >= f.xR3) {
        if (hasEdgeZones(wall, st))
            webMesh(s, f.xL3, f.Y, f.xR3, f.Ytop, st.HorizSpacing, st.WebSpacing, none, c, noEdge);
        else
            webMesh(s, f.xL3 + c, f.Y, f.xR3 - c, f.Ytop, st.HorizSpacing, st.WebSpacing, none, c,
                    noEdge);
        webLaps(s, f.xL3, f.Ytop, f.xR3, f.Ytop + f.lapB, st.WebSpacing, none, c);
    } else {
        WebWindow w;
        w.on = true;
        w.x1 = std::max(up.xL, f.xL3);
        w.x2 = std::min(up.xR, f.xR3);
        w.y1 = f.Ytop - c;
        w.y2 = f.Ytop;
        webMesh(s, f.xL3, f.Y, f.xR3, f.Ytop, st.HorizSpacing, st.WebSpacing, w, c, noEdge);
        webLaps(s, f.xL3, f.Ytop, f.xR3, f.Ytop + f.lapB, st.WebSpacing, w, c);
    }
}

// Edge zones and web of the top storey: the bars stop a cover under the top, no laps.
void topStoreyBars(Surface &s, const Wall &wall, int i, const StoreyFrame &f) {
    const Storey &st = wall.Storeys[i];
    const float c = wall.Cover;
    const float yt = f.Ytop - c;
    const bool noEdge = wall.NoEdgeZones != 0;
    WebWindow none;
    if (!hasEdgeZones(wall, st)) {
        singleEdgeBars(s, f, yt);
        webMesh(s, f.xL3 + c, f.Y, f.xR3 - c, yt, st.HorizSpacing, st.WebSpacing, none, c, noEdge);
        return;
    }
    const float F = st.BaseZoneHeight;
    if (!(F > 0)) {
        edgeSetBetween(s, f, f.Y, yt, st.CountB, st.DiamB);
    } else if (F + f.lapA < f.H) {
        edgeSetBetween(s, f, f.Y, f.Y + F + f.lapA, st.CountA, st.DiamA);
        edgeSetBetween(s, f, f.Y + F, yt, st.CountB, st.DiamB);
        edgeTiesBoth(s, f, f.Y, f.Y + F, f.critTieSpacing);
    } else {
        edgeSetBetween(s, f, f.Y, yt, st.CountA, st.DiamA);
        edgeTiesBoth(s, f, f.Y, yt, f.critTieSpacing);
    }
    webMesh(s, f.xL3, f.Y, f.xR3, yt, st.HorizSpacing, st.WebSpacing, none, c, noEdge);
    edgeStirrups(s, f.xLc, f.Y, f.xL3, yt, st.HorizSpacing);
    edgeStirrups(s, f.xR3, f.Y, f.xRc, yt, st.HorizSpacing);
}

void titleText(Surface &s, float x, float y, const std::string &text, float dxfHeight,
               float screenHeight) {
    if (s.isDxf())
        dxfWorldText(s, x, y, text, TESTO_POSIZIONI, dxfHeight, 0);
    else
        screenWorldText(s, x, y, text, TESTO_POSIZIONI, screenHeight);
}

void foundation(Surface &s, const Wall &wall, const StoreyFrame &f0) {
    const Storey &st = wall.Storeys[0];
    const float base = wall.BaseLevel;
    if (!(wall.FoundationThickness > 0)) {
        s.drawLine(f0.xL, base, f0.xR, base, BORDO, ByLayer);
        drawDimension(s, f0.xL, base - 25, f0.xR, base - 25);
        return;
    }
    const float yb = base - wall.FoundationThickness;
    s.drawLine(f0.xL, yb, f0.xR, yb, BORDO, ByLayer);
    s.drawLine(f0.xL, base, f0.xL, yb, BORDO, ByLayer);
    s.drawLine(f0.xR, base, f0.xR, yb, BORDO, ByLayer);
    drawDimension(s, f0.xL, yb - 25, f0.xR, yb - 25);
    const float yf = yb + wall.Cover;
    if (hasEdgeZones(wall, st)) {
        foundationEdgeBars(s, f0.xLc, yf, f0.xL3, base, st.CountA, st.DiamA);
        foundationEdgeBars(s, f0.xR3, yf, f0.xRc, base, st.CountA, st.DiamA);
    } else {
        s.drawLine(f0.xLc + f0.dA, base, f0.xLc + f0.dA, yf, FERRI, ByLayer);
        s.drawLine(f0.xRc - f0.dA, base, f0.xRc - f0.dA, yf, FERRI, ByLayer);
    }
    foundationWeb(s, f0.xL3, yf, f0.xR3, base, st.WebSpacing, wall.Cover);
}

void diagonals(Surface &s, const Wall &wall, float X, const StoreyFrame &f0) {
    if (!(wall.DiagonalDiameter > 0))
        return;
    DiagonalBars d = diagonalGeometry(wall, X, wall.BaseLevel);
    // Lines parallel to the bottom bars never meet them: there is nothing to draw.
    if (!d.valid)
        return;
    s.drawLine(d.p.x, d.p.y, d.b.x, d.b.y, FERRI, ByLayer);
    s.drawLine(d.p.x - 10, d.p.y, d.b.x - 10, d.b.y, FERRI, ByLayer);
    s.drawLine(d.p2.x, d.p2.y, d.b2.x, d.b2.y, FERRI, ByLayer);
    s.drawLine(d.p2.x + 10, d.p2.y, d.b2.x + 10, d.b2.y, FERRI, ByLayer);
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
    foundation(s, wall, f0);
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
        if (i < n - 1) {
            s.drawLine(f.xL, f.Ytop, f.xR, f.Ytop, BORDO, Dashed);
            lowerStoreyBars(s, wall, i, f, storeyFrame(wall, i + 1, X));
        } else {
            s.drawLine(f.xL, f.Ytop, f.xR, f.Ytop, BORDO, ByLayer);
            topStoreyBars(s, wall, i, f);
        }
        float xd = X - st.Length / 2 - st.OffsetLeft - 25;
        drawDimension(s, xd, f.Y, xd, f.Ytop);
        float xm = f.xR + 15 + st.OffsetRight;
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
