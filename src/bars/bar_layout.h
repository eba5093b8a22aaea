// Where every bar the bill of materials counts stands in the wall: per storey and family, the
// count, the diameter and the position of each bar. The drawings, the checks and the IFC
// export read this one layout, so that every view shows the bars that are ordered.
#pragma once

#include "geometry/point.h"
#include "model/wall.h"

#include <vector>

namespace murcad {

// Coordinate frame of the whole layout (cm):
//   x  along the wall, measured from the wall's reference axis, exactly as the elevation
//      draws it with its axis at x = 0: a storey spans xLeft .. xRight, its borders with the
//      user's offsets (Length / 2 and Shift of the storey, OffsetLeft, OffsetRight);
//   y  the level in the building (the wall's base lies at BaseLevel);
//   z  across the thickness, from the near face (z = 0, the face drawn at the bottom of a
//      horizontal section) to the far face (z = Thickness).

/// The layer of reinforcement a bar belongs to.
enum class BarFace {
    Near,   ///< the layer next to the near face (z = cover ...)
    Far,    ///< the layer next to the far face (z = Thickness - cover ...)
    Middle, ///< a single central layer (z = Thickness / 2)
};

/// The part of the wall a bar belongs to.
enum class BarZone {
    LeftEdge,  ///< the edge zone at the left border (at the left end without edge zones)
    RightEdge, ///< the edge zone at the right border (at the right end without edge zones)
    Web,       ///< between the edge zones
};

/// A vertical bar: its place in plan and the levels it runs between.
struct VerticalBar {
    float x = 0; ///< along the wall
    float z = 0; ///< across the thickness, bar centre
    BarFace face = BarFace::Near;
    BarZone zone = BarZone::Web;
    float bottom = 0; ///< level of the bar's lower end
    float top = 0;    ///< level of its upper end: storey top plus the lap, or a cover under
                      ///< the storey top where nothing continues above (the wall's top, or
                      ///< beyond the border of the storey above)
};

/// A horizontal bar of the web mesh, running the drawn length of the storey.
struct HorizontalBar {
    float y = 0; ///< level
    float z = 0; ///< across the thickness, bar centre
    BarFace face = BarFace::Near;
    float x1 = 0; ///< left end (the left border plus the cover)
    float x2 = 0; ///< right end (the right border less the cover)
};

/// A closed stirrup round the bars of one edge zone, at one level.
struct Stirrup {
    float y = 0;
    BarZone zone = BarZone::LeftEdge;
    float x1 = 0, x2 = 0; ///< the stirrup's extent along the wall (bar axes at both ends)
    float z1 = 0, z2 = 0; ///< its extent across the thickness (the horizontal bar axes)
};

/// A tie linking the bar at (x, z1) on the near layer with the bar at (x2, z2) on the far
/// layer, at level y: x2 is x where both bars stand at one place along the wall, or one
/// layerStagger beside it.
struct Tie {
    float x = 0;
    float y = 0;
    BarZone zone = BarZone::Web;
    float z1 = 0, z2 = 0;
    float x2 = 0;
};

/// A straight diagonal bar at the wall's base, in the plane of one layer.
struct DiagonalBar {
    Point p0, p1; ///< ends, (x, level)
    float z = 0;
    BarFace face = BarFace::Near;
};

/// Every counted bar of one storey. Each vector holds exactly the bars the bill of materials
/// counts for the storey: edgeBars.size() is the edge-zone row's count, webBars.size() the web
/// row's, horizontalBars.size() the horizontal row's, stirrups.size() the stirrup row's
/// (both edge zones), ties.size() the ties row's.
struct StoreyLayout {
    int storey = 0;
    float bottom = 0, top = 0;   ///< levels of the storey
    float xLeft = 0, xRight = 0; ///< borders with the user's offsets
    float xLeftEdge = 0;         ///< inner end of the left edge zone (xLeft + EdgeLength)
    float xRightEdge = 0;        ///< inner end of the right edge zone (xRight - EdgeLength)

    int edgeDiameter = 0; ///< mm
    std::vector<VerticalBar> edgeBars;
    int webDiameter = 0; ///< mm
    std::vector<VerticalBar> webBars;
    float webSpacing = 0; ///< actual spacing of the web bars of one layer (0 for one bar)

    int horizDiameter = 0; ///< mm, horizontal bars and stirrups
    std::vector<HorizontalBar> horizontalBars;
    std::vector<float> horizontalLevels; ///< the levels of the horizontal bars, bottom up

    std::vector<Stirrup> stirrups;
    std::vector<float> stirrupLevels; ///< the stirrup levels of one edge zone, bottom up
    float baseZoneTop = 0;            ///< level up to which the stirrups use the critical spacing
    float critSpacing = 0;            ///< stirrup spacing in the base zone as laid out
    float stirrupSpacing = 0;         ///< stirrup spacing above it as laid out

    int tieDiameter = 0; ///< mm
    std::vector<Tie> ties;

    /// False when a family counts more than kMaxLaidOutBars bars (a storey no real wall has):
    /// that family is laid out only up to the limit.
    bool complete = true;
};

/// Most bars of one family of one storey that are laid out.
inline constexpr int kMaxLaidOutBars = 20000;

/// The starter bars in the foundation, anchored one lap into storey 0.
struct FoundationBars {
    int edgeDiameter = 0;
    std::vector<VerticalBar> edgeBars; ///< the foundation end-zone row
    int webDiameter = 0;
    std::vector<VerticalBar> webBars; ///< the foundation web row
};

/// The diagonal reinforcement: four bars in each direction (two lines in each layer).
struct DiagonalLayout {
    int diameter = 0;
    int length = 0; ///< cm, the length the bill counts for each bar
    std::vector<DiagonalBar> bars;
};

/// The bars of storey i (0 <= i < storey count).
StoreyLayout storeyLayout(const Wall &wall, int i);

/// The foundation starter bars; empty rows when the wall has no foundation.
FoundationBars foundationBars(const Wall &wall);

/// The diagonal bars; no bars when the wall has none or their geometry fails.
DiagonalLayout diagonalBars(const Wall &wall);

/// Centre of a vertical bar of the given diameter in a layer, across the thickness: one bar
/// diameter inside the horizontal bar axis of its face, the middle for a central layer.
float verticalBarZ(const Wall &wall, BarFace face, int diameterMm);

/// The width of a tie's bend round a bar (cm): the wall's thickest bar and the tie, rounded up
/// to whole centimetres, so that the tie passes beside the bars it holds.
float layerStagger(const Wall &wall);

/// Which bars of a row of n bars get a tie when the ties alternate, k counted from 1: inner bars
/// only, so that the two halves of the row mirror each other. In an edge row (edgeRow true)
/// the middle bar k = n / 2 of an even row gets a tie too; in a web row it does not.
bool alternateTie(int k, int n, bool edgeRow);

/// Index of the level of a list nearest to y (a section cut shows the bars of the nearest
/// level); -1 when the list is empty.
int nearestLevel(const std::vector<float> &levels, float y);

} // namespace murcad
