// The ACI palette samples, layer defaults and the screen colour of each layer.
#include "colours/layers.h"

#include <gtest/gtest.h>

using namespace murcad;

TEST(AciPalette, FixedEntriesAndGreyRamp) {
    EXPECT_EQ(aciTriple(1), (RgbTriple{255, 0, 0}));
    EXPECT_EQ(aciTriple(7), (RgbTriple{255, 255, 255}));
    EXPECT_EQ(aciTriple(8), (RgbTriple{128, 128, 128}));
    EXPECT_EQ(aciTriple(9), (RgbTriple{192, 192, 192}));
    EXPECT_EQ(aciTriple(250), (RgbTriple{0, 0, 0}));
    EXPECT_EQ(aciTriple(255), (RgbTriple{214, 214, 214}));
    EXPECT_EQ(aciRgb(0), rgb(0, 0, 0));
    EXPECT_EQ(aciRgb(256), rgb(0, 0, 0));
    EXPECT_EQ(aciRgb(-4), rgb(0, 0, 0));
}

TEST(AciPalette, HueRowsFollowTheIntensityPattern) {
    EXPECT_EQ(aciTriple(10), (RgbTriple{255, 0, 0}));
    EXPECT_EQ(aciTriple(11), (RgbTriple{255, 127, 127}));
    EXPECT_EQ(aciTriple(13), (RgbTriple{204, 102, 102}));
    EXPECT_EQ(aciTriple(15), (RgbTriple{153, 76, 76}));
    EXPECT_EQ(aciTriple(17), (RgbTriple{127, 63, 63}));
    EXPECT_EQ(aciTriple(19), (RgbTriple{76, 38, 38}));
    EXPECT_EQ(aciTriple(20), (RgbTriple{255, 63, 0}));
    EXPECT_EQ(aciTriple(21), (RgbTriple{255, 159, 127}));
    EXPECT_EQ(aciTriple(23), (RgbTriple{204, 127, 102}));
    EXPECT_EQ(aciTriple(25), (RgbTriple{153, 95, 76}));
    EXPECT_EQ(aciTriple(27), (RgbTriple{127, 79, 63}));
    EXPECT_EQ(aciTriple(29), (RgbTriple{76, 47, 38}));
    EXPECT_EQ(aciTriple(50), (RgbTriple{255, 255, 0}));
    EXPECT_EQ(aciTriple(90), (RgbTriple{0, 255, 0}));
    EXPECT_EQ(aciTriple(130), (RgbTriple{0, 255, 255}));
    EXPECT_EQ(aciTriple(170), (RgbTriple{0, 0, 255}));
    EXPECT_EQ(aciTriple(210), (RgbTriple{255, 0, 255}));
    EXPECT_EQ(aciTriple(150), (RgbTriple{0, 127, 255}));
    EXPECT_EQ(aciTriple(249), (RgbTriple{76, 38, 47}));
}

TEST(Layers, DefaultsAndScreenColoursOnBothBackgrounds) {
    LayerSettings s = makeDefaultLayerSettings();
    EXPECT_EQ(s.LayerName[0], "ACCIAO_SEZ");
    EXPECT_EQ(s.LayerName[11], "FERRI");
    EXPECT_EQ(s.LayerColour[0], 6);
    EXPECT_EQ(s.LayerColour[1], 1);
    EXPECT_EQ(s.LayerColour[4], 4);
    EXPECT_EQ(s.LayerColour[11], 5);
    EXPECT_EQ(s.DxfScaleLeft, 1);
    EXPECT_EQ(s.DxfScaleRight, 25);
    EXPECT_EQ(layerScreenColour(s, BORDO), rgb(255, 0, 0));
    EXPECT_EQ(layerScreenColour(s, 12), rgb(0, 0, 0));
    EXPECT_EQ(layerScreenColour(s, -1), rgb(0, 0, 0));

    s.LightBackground = 1;
    defaultScreenColours(s);
    EXPECT_EQ(layerScreenColour(s, ACCIAO_SEZ), rgb(0, 0, 0));
    EXPECT_EQ(layerScreenColour(s, QUOTE), rgb(0, 0, 128));
    EXPECT_EQ(layerScreenColour(s, TESTO_TITOLI), rgb(0, 0, 255));
    EXPECT_EQ(layerScreenColour(s, SEZIONI), rgb(0, 128, 0));
    EXPECT_EQ(layerScreenColour(s, FERRI), rgb(128, 0, 128));
}
