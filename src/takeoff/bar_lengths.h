// Cut lengths and weights of the bar groups of one storey, as the bill of materials counts them.
#pragma once

#include "bars/bar_counts.h"
#include "model/wall.h"

namespace murcad {

/// Stirrup length of storey i (edge zone hoop with two hooks), whole cm.
int lStaffa(const Wall &w, int i);
/// Horizontal bar length of storey i over the whole drawn wall, with two end legs, whole cm.
int lFerriOr(const Wall &w, int i);
/// Foundation starter bar of the edge zones (storey 0), anchored one lap into the storey.
int lFerriFondaC(const Wall &w);
/// Foundation starter bar of the web (storey 0).
int lFerriFondaSt(const Wall &w);
/// Edge-zone vertical bar of storey i: storey height plus one lap, or up to the top of the
/// wall for the last storey.
int lFerriPianoC(const Wall &w, int i);
/// Web vertical bar of storey i, as lFerriPianoC with the web diameter.
int lFerriPianoSt(const Wall &w, int i);

/// Weight in kg of n bars of diameter d mm and length cm (steel 7850 kg/m3).
float rowWeight(int diameterMm, int count, float lengthCm);

/// Class of a bar diameter in the steel-by-diameter table: nearest(d / 2), reported as 2k.
/// Class 0 collects stirrups and ties.
int diameterClass(int diameterMm);

} // namespace murcad
