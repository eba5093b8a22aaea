// The twelve DXF layers, the five screen colours and the CAD colour index (ACI) palette.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace murcad {

inline constexpr int kLayerCount = 12;

/// Layer indexes as the drawing routines address them.
enum Layer : int {
    ACCIAO_SEZ = 0,
    BORDO = 1,
    SEZIONI = 2,
    FERRI_EST = 3,
    QUOTE = 4,
    TESTO_QUOTE = 5,
    TESTO_TITOLI = 6,
    TESTO_POSIZIONI = 7,
    TESTO_FERRI = 8,
    TESTO_COMPUTI = 9,
    TESTO_SEZIONI = 10,
    FERRI = 11,
};

/// An RGB colour packed as 0x00BBGGRR (the platform's Long RGB value: R + 256·G + 65536·B).
using Rgb = std::uint32_t;
constexpr Rgb rgb(int r, int g, int b) {
    return static_cast<Rgb>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}
constexpr int rgbRed(Rgb c) { return c & 255; }
constexpr int rgbGreen(Rgb c) { return (c >> 8) & 255; }
constexpr int rgbBlue(Rgb c) { return (c >> 16) & 255; }

/// The five screen colours, one per group of layers.
struct ScreenColours {
    Rgb ColourDims = rgb(0, 255, 255);
    Rgb ColourSteel = rgb(255, 0, 0);
    Rgb ColourBars = rgb(255, 0, 255);
    Rgb ColourText = rgb(255, 255, 0);
    Rgb ColourSections = rgb(0, 255, 0);
    bool operator==(const ScreenColours &) const = default;
};

/// Layer names and ACI colours, the DXF scale and the screen appearance.
struct LayerSettings {
    std::array<std::string, kLayerCount> LayerName;
    std::array<int, kLayerCount> LayerColour{};
    float DxfScaleLeft = 1;
    float DxfScaleRight = 25;
    int LightBackground = 0; ///< non-zero: white drawing background
    ScreenColours Colours;
    bool operator==(const LayerSettings &) const = default;
};

/// The default layer names ("ACCIAO_SEZ" ... "FERRI") and colours, scale 1:25, dark background.
/// The lap factor default (40) belongs to the wall model and is set by the caller.
void defaultLayers(LayerSettings &s);
/// Sets the five screen colours for the current background (dark or light).
void defaultScreenColours(LayerSettings &s);
/// A settings value with defaultLayers and defaultScreenColours applied.
LayerSettings makeDefaultLayerSettings();

/// The screen colour of a layer index; black outside 0..11.
Rgb layerScreenColour(const LayerSettings &s, int layer);

/// RGB of an ACI colour index; black outside 1..255.
Rgb aciRgb(int index);
struct RgbTriple {
    int r = 0, g = 0, b = 0;
    bool operator==(const RgbTriple &) const = default;
};
/// The palette row of an ACI index as three components (black outside 1..255).
RgbTriple aciTriple(int index);

} // namespace murcad
