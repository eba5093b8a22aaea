// Layer table defaults, screen colour defaults and the layer-to-screen-colour mapping.
#include "colours/layers.h"

namespace murcad {

void defaultLayers(LayerSettings &s) {
    static const char *names[kLayerCount] = {
        "ACCIAO_SEZ",  "BORDO",           "SEZIONI",     "FERRI_EST",
        "QUOTE",       "TESTO_QUOTE",     "TESTO_TITOLI", "TESTO_POSIZIONI",
        "TESTO_FERRI", "TESTO_COMPUTI",   "TESTO_SEZIONI", "FERRI"};
    static const int colours[kLayerCount] = {6, 1, 3, 6, 4, 3, 3, 3, 3, 3, 3, 5};
    for (int i = 0; i < kLayerCount; ++i) {
        s.LayerName[i] = names[i];
        s.LayerColour[i] = colours[i];
    }
    s.DxfScaleLeft = 1;
    s.DxfScaleRight = 25;
    s.LightBackground = 0;
}

void defaultScreenColours(LayerSettings &s) {
    ScreenColours &c = s.Colours;
    if (s.LightBackground == 0) {
        c.ColourBars = rgb(255, 0, 255);
        c.ColourDims = rgb(0, 255, 255);
        c.ColourText = rgb(255, 255, 0);
        c.ColourSteel = rgb(255, 0, 0);
        c.ColourSections = rgb(0, 255, 0);
    } else {
        c.ColourBars = rgb(128, 0, 128);
        c.ColourDims = rgb(0, 0, 128);
        c.ColourText = rgb(0, 0, 255);
        c.ColourSteel = rgb(0, 0, 0);
        c.ColourSections = rgb(0, 128, 0);
    }
}

LayerSettings makeDefaultLayerSettings() {
    LayerSettings s;
    defaultLayers(s);
    defaultScreenColours(s);
    return s;
}

Rgb layerScreenColour(const LayerSettings &s, int layer) {
    const ScreenColours &c = s.Colours;
    switch (layer) {
    case ACCIAO_SEZ:
    case BORDO:
        return c.ColourSteel;
    case SEZIONI:
        return c.ColourSections;
    case FERRI_EST:
    case FERRI:
        return c.ColourBars;
    case QUOTE:
    case TESTO_QUOTE:
        return c.ColourDims;
    case TESTO_TITOLI:
    case TESTO_POSIZIONI:
    case TESTO_FERRI:
    case TESTO_COMPUTI:
    case TESTO_SEZIONI:
        return c.ColourText;
    default:
        return rgb(0, 0, 0);
    }
}

} // namespace murcad
