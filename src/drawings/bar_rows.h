// Bars crossing a section: bar dots, rows of edge-zone bars, web rows and the ties between faces.
#pragma once

#include "draw/surface.h"
#include "geometry/point.h"
#include "model/wall.h"

namespace murcad {

/// A bar cut by a section: a circle of the bar's diameter with a small cross at its centre.
void drawBarDot(Surface &s, float x, float y, int diameterMm);

/// Draws the tie linking the bars centred at a and b (the 12-point wire, layer FERRI).
void drawTie(Surface &s, Point a, Point b);

/// Which bars of a row of n bars get a tie when no tie count is given, k counted from 1:
/// inner bars only, alternating, so that the two halves of the row mirror each other.
/// In an edge row (edgeRow true) the middle bar k = n / 2 of an even row gets a tie too;
/// in a web row or a column of levels it does not.
bool alternateTie(int k, int n, bool edgeRow);

/// Result of drawBarRow.
struct BarRowResult {
    float spacing = 0; ///< bar spacing rounded to one decimal
    bool hasMiddle = false;
    Point middle; ///< the remembered bar k = n / 2, for the label
};

/// A row of n bars from start to end (both on one face) with their partners at distance u on
/// the other face and ties between the faces: with tieCount 0 alternating, with tieCount n at
/// every inner bar, otherwise spread evenly (at most tieCount - 2). With fromEnd set the
/// bars and ties are counted from the end point.
BarRowResult drawBarRow(Surface &s, Point start, Point end, int n, int diameterMm, int tieCount,
                        float u, bool fromEnd);

/// A web row of bars at spacing between start and end (cover c at each end), partners at
/// distance u; ties at alternating bars when tieArg is not 0 and the wall has edge zones:
/// tie wires for tieArg >= 1, straight links for tieArg < 0. One bar in the middle when only
/// one spacing fits; nothing when none does or the spacing is not a positive number.
void drawWebRow(Surface &s, const Wall &wall, Point start, Point end, float spacing, int diameterMm,
                float u, int tieArg);

/// The tie argument of the web rows of a storey: 1 (tie wires) when the storey has a positive
/// tie spacing, 0 (no ties) otherwise.
int webTieArgument(const Storey &st);

} // namespace murcad
