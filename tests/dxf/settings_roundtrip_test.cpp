// Property: any settings the dialogs accept are written and read back unchanged.
#include "dxf/dxf_export.h"
#include "geometry/numbers.h"
#include "model/preferences.h"
#include "model/settings_file.h"

#include <gtest/gtest.h>

#include <random>

using namespace murcad;

namespace {

std::string typed(std::mt19937 &rng, double lo, double hi, int maxDecimals) {
    std::string t = formatNumber(std::uniform_real_distribution<double>(lo, hi)(rng),
                                 static_cast<int>(rng() % (maxDecimals + 1)));
    if (rng() % 2)
        std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

std::string layerName(std::mt19937 &rng, int i) {
    static const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_-$ 0123456789àèé";
    std::string n = "L" + std::to_string(i);
    for (int k = static_cast<int>(rng() % 12); k > 0; --k)
        n += letters[rng() % letters.size()];
    return n;
}

} // namespace

TEST(SettingsRoundTrip, WhatTheDialogsAcceptIsWrittenAndReadBackUnchanged) {
    std::mt19937 rng(1209);
    for (int round = 0; round < 300; ++round) {
        LayerSettings layers = makeDefaultLayerSettings();
        DxfDialogFields fields = dxfDialogFields(layers);
        fields.ScaleLeftText = typed(rng, 0, 2000, 5);
        fields.ScaleRightText = typed(rng, -1, 150000, 4);
        for (int i = 0; i < kLayerCount; ++i) {
            fields.LayerNameText[i] = layerName(rng, i);
            fields.WorkingColour[i] = 1 + static_cast<int>(rng() % 255);
        }
        leggiFrmDxf(fields, layers); // a refused scale keeps the one in force
        SettingsFileValues v;
        v.Layers = layers;
        std::string why;
        acceptLapFactor(typed(rng, -5, 1100, 3), v.LapFactor, why);
        v.Layers.LightBackground = static_cast<int>(rng() % 2);
        defaultScreenColours(v.Layers);
        v.Layers.Colours.ColourText = rgb(rng() % 256, rng() % 256, rng() % 256);
        v.ExtraOption = static_cast<int>(rng() % 5);

        SettingsFileValues back;
        std::vector<std::string> problems;
        ASSERT_EQ(readSettingsText(settingsText(v), "V.ini", back, &problems),
                  SettingsSource::File)
            << problems.front();
        EXPECT_EQ(back, v) << fields.ScaleLeftText << " " << fields.ScaleRightText;
    }
}
