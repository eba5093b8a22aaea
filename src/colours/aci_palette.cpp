// The AutoCAD Color Index palette: 255 RGB rows computed from its hue/intensity pattern.
#include "colours/layers.h"

namespace murcad {

// Share of full intensity, in quarters, of one channel at a hue angle (15° steps).
static int hueQuarters(int angle, int channel) {
    // Angle of the channel's peak: red 0°, green 120°, blue 240°.
    int peak = channel * 120;
    int d = ((angle - peak) % 360 + 360) % 360;
    if (d > 180)
        d = 360 - d;
    if (d <= 60)
        return 4;
    if (d >= 120)
        return 0;
    return (120 - d) / 15; // 75° -> 3, 90° -> 2, 105° -> 1
}

RgbTriple aciTriple(int index) {
    static const RgbTriple fixed[10] = {{0, 0, 0},     {255, 0, 0},     {255, 255, 0},
                                        {0, 255, 0},   {0, 255, 255},   {0, 0, 255},
                                        {255, 0, 255}, {255, 255, 255}, {128, 128, 128},
                                        {192, 192, 192}};
    static const RgbTriple greys[6] = {{0, 0, 0},       {51, 51, 51},    {91, 91, 91},
                                       {132, 132, 132}, {173, 173, 173}, {214, 214, 214}};
    if (index < 1 || index > 255)
        return {};
    if (index < 10)
        return fixed[index];
    if (index >= 250)
        return greys[index - 250];
    static const int intensity[5] = {255, 204, 153, 127, 76};
    int hue = (index - 10) / 10;
    int offset = (index - 10) % 10;
    int level = intensity[offset / 2];
    bool pale = offset % 2 == 1; // odd rows: the hue mixed half with white
    int c[3];
    for (int ch = 0; ch < 3; ++ch) {
        int q = hueQuarters(hue * 15, ch);
        c[ch] = pale ? level * (4 + q) / 8 : level * q / 4;
    }
    return {c[0], c[1], c[2]};
}

Rgb aciRgb(int index) {
    RgbTriple t = aciTriple(index);
    return rgb(t.r, t.g, t.b);
}

} // namespace murcad
