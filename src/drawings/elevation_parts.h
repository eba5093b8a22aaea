// The elevation's drawing routines: bar rows, laps, ties, stirrups, web mesh and spacings.
#pragma once

#include "draw/surface.h"

#include <vector>

namespace murcad {

/// Positions of bars placed by spacing s across x1..x2 with cover c (SpreadPositions): the
/// bars keep the spacing and share the length left over between the two ends; the positions
/// are stretched over the full width x1..x2. A single bar in the middle when fewer than two
/// fit; none when s is not a positive number.
std::vector<float> spreadPositions(float x1, float x2, float s, float c);

/// Distances from the start of a run of length ln at which bars stand at spacing s, sharing
/// the length left over between the two ends (at least 2 cm at each end).
std::vector<float> spacedOffsets(float ln, float s);

/// Levels of lines spaced s from y1 towards y2 (the first on y1, the rest of the height left
/// over at the y2 end). None when fewer than one spacing fits or s is not positive.
std::vector<float> evenFromBottom(float y1, float y2, float s);

/// x of each bar of a row of count bars of the given diameter between x1 and x2 (bar axes
/// one radius inside); one bar in the middle for a count of 1, none for 0.
std::vector<float> barRowPositions(float x1, float x2, int count, int diamMm);

/// Edge-zone bars of one set from y1 to y2 - trim.
void edgeBarRow(Surface &s, float x1, float y1, float x2, float y2, int count, int diamMm,
                float trim);
/// Lap bars of one set from y1 to y2.
void lapBarRow(Surface &s, float x1, float y1, float x2, float y2, int count, int diamMm);
/// Starter bars of an edge zone in the foundation with the two closing lines.
void foundationEdgeBars(Surface &s, float x1, float y1, float x2, float y2, int count, int diamMm);
/// Ties of an edge zone: bottom line, lines every spacing, top line.
void edgeTies(Surface &s, float x1, float y1, float x2, float y2, float spacing);
/// Stirrups of an edge zone: bottom and top lines and lines every spacing.
void edgeStirrups(Surface &s, float x1, float y1, float x2, float y2, float spacing);

/// A window of the web left open for the storey above (its bars continue there).
struct WebWindow {
    bool on = false;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

/// The web mesh: end lines, vertical bars at the web spacing, horizontal bars from the bottom.
void webMesh(Surface &s, float x1, float y1, float x2, float y2, float spacingH, float spacingV,
             const WebWindow &window, float cover, bool noEdgeZones);
/// Lap bars of the web above the storey.
void webLaps(Surface &s, float x1, float y1, float x2, float y2, float spacingV,
             const WebWindow &window, float cover);
/// The web's starter bars in the foundation with the two closing lines.
void foundationWeb(Surface &s, float x1, float y1, float x2, float y2, float spacingV, float cover);

} // namespace murcad
