// How many bars of each family a storey carries: the one count the bill of materials, the
// drawings, the detailing checks and the IFC export all read.
#pragma once

#include "model/wall.h"

namespace murcad {

/// Nearest whole number, halves to the even neighbour, clamped to the int range.
int nearestInt(double v);

/// The vertical bars of the edge zones of a storey (both zones, both faces).
struct EdgeBarCount {
    int diameter = 0; ///< mm
    int count = 0;    ///< bars in all: 4 x CountA with edge zones; 2 or 4 end bars without
};

/// Edge-zone vertical bars of storey i. With edge zones: CountA bars of DiamA in each zone and
/// each face. Without (NoEdgeZones): one end bar at each end of each layer, of DiamA (DiamB
/// when DiamA is 0).
EdgeBarCount edgeBarCount(const Wall &w, int i);

/// Edge-zone bars of storey i in one zone and one face (CountA with edge zones, 1 without).
int edgeBarsPerRow(const Wall &w, int i);

/// Web vertical bars of storey i: the web between the edge zones (the drawn length less the
/// cover and the edge zone at each end) divided by the web spacing, at least 1, doubled with
/// two layers; 0 when the spacing is not positive.
int webCount(const Wall &w, int i);

/// The stirrup sets of each edge zone of storey i and the levels they fill.
struct StirrupZones {
    int sets = 0;          ///< stirrup sets in each edge zone over the storey height
    int baseSets = 0;      ///< of which in the base zone, at the critical spacing
    float baseHeight = 0;  ///< height of the critically spaced zone above the storey bottom
    float critSpacing = 0; ///< spacing in the base zone: min(HorizSpacing, 8 DiamA, 10)
    float spacing = 0;     ///< spacing above the base zone: HorizSpacing
};

/// Stirrup sets in each edge zone of storey i: the base zone at the critical spacing, the rest
/// at the horizontal spacing; the whole storey at the critical spacing when the base zone and
/// its lap reach the storey top. Nothing when the spacing is not positive.
StirrupZones stirrupZones(const Wall &w, int i);

/// Stirrup sets in each edge zone of storey i (stirrupZones(w, i).sets).
int stirrupSets(const Wall &w, int i);

/// Horizontal bars of storey i: one per horizontal spacing of the storey height in each
/// layer (both layers unless single layer).
int horizontalBarCount(const Wall &w, int i);

/// Horizontal bar levels of storey i (horizontalBarCount per layer).
int horizontalBarLevels(const Wall &w, int i);

/// Ties of the web of storey i: nine per square metre of the drawn wall less its edge zones.
int webTieCount(const Wall &w, int i);

/// Ties of the edge zones of storey i: CountA at every stirrup set.
int edgeTieCount(const Wall &w, int i);

/// Ties of storey i: web ties plus edge-zone ties.
int tieCount(const Wall &w, int i);

} // namespace murcad
