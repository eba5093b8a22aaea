// Pens of a printed sheet: line weight and ink of each layer, in black or in the layer colours.
#pragma once

#include "colours/layers.h"

#include <array>

namespace murcad {

/// How one layer is printed.
struct PrintPen {
    Rgb colour = rgb(0, 0, 0);
    float widthMm = 0.25f;
};

/// Line weights after drawing practice (ISO 128 widths): the concrete outline heaviest
/// (0.50 mm), bars and section marks 0.35 mm, ties and stirrups 0.25 mm, dimension lines thin
/// (0.18 mm). Texts are filled, their pen only gives their colour.
inline constexpr std::array<float, kLayerCount> kPrintWidthsMm = {
    0.35f, // ACCIAO_SEZ
    0.50f, // BORDO
    0.35f, // SEZIONI
    0.25f, // FERRI_EST
    0.18f, // QUOTE
    0.18f, // TESTO_QUOTE
    0.25f, // TESTO_TITOLI
    0.25f, // TESTO_POSIZIONI
    0.25f, // TESTO_FERRI
    0.25f, // TESTO_COMPUTI
    0.25f, // TESTO_SEZIONI
    0.35f, // FERRI
};

/// Widths of the frame and of the title block lines.
inline constexpr float kFrameWidthMm = 0.7f;
inline constexpr float kTitleBlockOutlineMm = 0.5f;
inline constexpr float kTitleBlockLineMm = 0.25f;

/// The pens of the twelve layers. In black every layer prints black. In colour each layer
/// prints in its DXF layer colour as a plotter would: colour 7 (white on a dark CAD screen)
/// prints black, and colours too light to read on white paper (yellow, light green, cyan)
/// are darkened, keeping their hue.
/// The weights are those above up to 1:50; at smaller scales, where the lines of a wall lie
/// closer together on the paper, one ISO step thinner up to 1:100 and two steps beyond (never
/// below 0.1 mm), so that a tall wall at 1:200 does not print as a black strip.
std::array<PrintPen, kLayerCount> printPens(const LayerSettings &layers, bool inColour,
                                            double scale = 50);

/// The factor of the line weights at a scale 1:N: 1 up to 1:50, 0.7 up to 1:100, 0.5 beyond.
double lineWeightFactor(double scale);

/// A colour darkened, keeping its hue, until its luminance is at most the limit (0..1).
Rgb darkenForPaper(Rgb colour, double maxLuminance = 0.4);

} // namespace murcad
