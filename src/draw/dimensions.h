// Dimensions and bar labels: geometry dimensions, bar legs with lengths, bar descriptions.
#pragma once

#include "draw/surface.h"

#include <string_view>

namespace murcad {

/// A geometry dimension between two world points: ticks, end circles and the figure, on
/// layer QUOTE with the figure on TESTO_QUOTE. Nothing for a length below 0.001.
void drawDimension(Surface &s, float x1, float y1, float x2, float y2);

/// The DXF form of a geometry dimension (world points, dimension layer given).
void dxfDimension(Surface &s, float x1, float y1, float x2, float y2, int layer);

/// The line and figure of a DXF dimension, in DXF units: the figure centred above the line.
void dxfDimensionLine(Surface &s, std::string_view text, float x1, float y1, float x2, float y2,
                      int lineLayer, int textLayer, float height);

/// The screen form of a geometry dimension; size is the nominal figure height in cm.
void screenDimension(Surface &s, float x1, float y1, float x2, float y2, float size, int layer);

/// One leg of a bar with its length figure; side < 0 puts the figure on the other side of the
/// line. Returns the length in whole centimetres, 0 (and draws nothing) below 0.1 cm.
int drawBarDimension(Surface &s, float x1, float y1, float x2, float y2, int side);

/// One leg of a bar (figure on the other side) and along it the description
/// "1Ø<diameter>/<spacing> L=<offset + leg length>".
void drawBarShape(Surface &s, float x1, float y1, float x2, float y2, float offset, int diameter,
                  float spacing);

/// Which reinforcement layers the wall has, for the bar labels.
struct LabelLayers {
    int SingleLayerVert = 0;
    int SingleLayerHoriz = 0;
};

/// Leaders from the bars at (x1, y1) and (x2, y2) to the label point (x1 + dx, y1 + dy) and
/// its tail, and the label: "Ø<diameter>/<spacing>" when spacing > 0, else the bar count
/// ("1Ø<diameter>" or "2Ø<diameter>").
void drawBarLabel(Surface &s, float x1, float y1, float x2, float y2, float dx, float dy,
                  float spacing, int diameter, LabelLayers layers);

} // namespace murcad
