// Cut lengths and weights of the bar groups of one storey, as the bill of materials counts them:
// the take-off's length rules, kept beside the bar layout so that the bill, the bar list and
// the 3-D bars read one rule for each bar.
#pragma once

#include "bars/bar_counts.h"
#include "model/wall.h"

namespace murcad {

/// Clear width between the two horizontal layers, floor(Thickness - 2 Cover), never below 0.
double clearWidth(const Wall &w);
/// The hook at each end of a stirrup: 10 cm, or the clear width less 1.5 cm in thin walls,
/// never below 0.
double stirrupHook(const Wall &w);
/// The leg at each end of a horizontal bar, bent towards the other layer: the clear width,
/// at most 15 cm, never below 0.
double horizontalBarLeg(const Wall &w);

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

/// Tie length, the same for every tie of the wall: the developed length of the tie linking the
/// two horizontal layers (Thickness - 2 Cover apart), brought to a multiple of 5 cm.
float lLegatura(const Wall &w);

/// Weight in kg of n bars of diameter d mm and length cm (steel 7850 kg/m3).
float rowWeight(int diameterMm, int count, float lengthCm);

/// Class of a bar diameter in the steel-by-diameter table: nearest(d / 2), reported as 2k.
/// Class 0 collects stirrups and ties.
int diameterClass(int diameterMm);

} // namespace murcad
