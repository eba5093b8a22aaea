// The bent shape of every bar family of a wall: shape code, legs and bend angles, whose legs
// add up to the cut length the bill of materials counts. The one contract that the bar list,
// the bending schedule, the bending-shop file and the 3-D bars read.
#pragma once

#include "model/wall.h"

#include <string>
#include <vector>

namespace murcad {

// Contract of a bar's bending record:
//   - legs are whole centimetres measured along the bar's centreline, from one end of the bar
//     to the other; their sum is exactly the cut length of the bill of materials (the rounded
//     length of the take-off's length rules), so a schedule, a bending-shop file or a 3-D
//     solid built from the legs pays for the bars that are ordered, no more and no less;
//   - angles[k] is the bend at the end of legs[k], in degrees, signed: positive where the bar
//     turns to the left when it is drawn in its plane with its first leg running to the
//     right (every bend of our shapes turns the same way, so all are positive), 0 after the
//     last leg; angles has as many entries as legs;
//   - a leg the rules make zero or negative (very thin walls with a large cover) is dropped
//     with its bend rather than given a negative length: the hook and leg rules clamp at zero
//     here and only here;
//   - shape codes are those of ISO 3766 (the same families as BS 8666): "00" straight, "11"
//     one 90 degree bend (L), "21" two 90 degree bends (U), "51" closed link with a hook at
//     each end, "99" any other shape, given by its legs.

/// A family of bars of one storey (or of the foundation), in the bill of materials' order.
enum class BarFamily {
    EdgeStarters,   ///< foundation starters of the edge zones (end bars without edge zones)
    WebStarters,    ///< foundation starters of the web
    EdgeBars,       ///< vertical bars of the edge zones (end bars without edge zones)
    WebBars,        ///< vertical bars of the web
    HorizontalBars, ///< horizontal bars of the web mesh, with a leg at each end
    Stirrups,       ///< closed stirrups round the edge zones
    Ties,           ///< ties linking the two layers
    Diagonals,      ///< diagonal bars at the wall's base
};

/// How one bar of a family is bent.
struct BarBending {
    BarFamily family = BarFamily::EdgeBars;
    int storey = 0;        ///< storey index; -1 for the foundation's starters
    int diameter = 0;      ///< mm
    std::string shapeCode; ///< ISO 3766 / BS 8666 shape code
    std::vector<int> legs; ///< cm, along the centreline, first end to last
    std::vector<int> angles; ///< degrees, the bend after each leg, 0 after the last

    /// The cut length: the sum of the legs (cm).
    int cutLength() const;
};

/// The bending of family f of storey i (i is ignored for the starters and the diagonals). A
/// family the wall does not have, or whose cut length is not positive, has no legs.
///
/// - Storey bars (edge and web): straight, the storey height plus one lap; in the top storey
///   bent into the slab, "11": up to a cover under the top (H - c), then across the
///   thickness (T - 2c), T + H - 3c in all.
/// - Starters: "11", a foot across the thickness on the foundation's bottom bars
///   (nearest(T - 2c)), then up through the foundation and one lap into storey 0.
/// - Horizontal bars: "21", a leg at each end towards the other layer (T - 2c, at most
///   15 cm) and the run of the drawn storey less both covers; straight in a single layer.
/// - Stirrups: "51", a closed link: a hook (10 cm, or T - 2c - 1.5 in thin walls), the short
///   side across the thickness, the side along the edge zone, the other short side, the other
///   long side back to the first corner, the second hook; both hooks lie along the sides
///   at that corner, outside the bars the stirrup wraps.
/// - Ties: "99", a tail beside the first bar, a bend round it, the run across, a bend round
///   the other bar and the tail beside it; the legs add up to the tie's rounded length.
/// - Diagonals: straight.
BarBending barBending(const Wall &wall, BarFamily f, int i);

/// Every family of storey i in the bill's order (edge, web, horizontal, stirrups, ties),
/// leaving out the families the storey does not have.
std::vector<BarBending> storeyBendings(const Wall &wall, int i);

} // namespace murcad
