// The settings file: versions 1 to 3, colour 0, round trip and unreadable files.
#include "model/settings_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace murcad;
using murcad::test::readText;
using murcad::test::TempDir;

namespace {

std::string settingsText(int version, int firstColour, bool withExtra) {
    std::string t = " " + std::to_string(version) + "\r\n";
    for (int i = 0; i < kLayerCount; ++i)
        t += "LAYER " + std::to_string(i) + "\r\n " + std::to_string(i == 0 ? firstColour : i + 1) +
             "\r\n";
    t += "2.000 50.000 45.500  1\r\n";
    t += " 1 2 3 4 5\r\n";
    if (withExtra)
        t += " 9\r\n";
    return t;
}

} // namespace

TEST(SettingsFile, MissingOrTooNewGivesTheDefaults) {
    TempDir dir;
    SettingsFileValues v;
    v.Layers.LayerName[3] = "CHANGED";
    v.Layers.LightBackground = 1;
    EXPECT_EQ(readSettings(dir.path(), v), SettingsSource::DefaultsMissing);
    EXPECT_EQ(v, SettingsFileValues{});

    dir.write(kSettingsFileName, settingsText(3, 4, true));
    v.Layers.LightBackground = 1;
    EXPECT_EQ(readSettings(dir.path(), v), SettingsSource::DefaultsTooNew);
    EXPECT_EQ(v.Layers.LightBackground, 0);
    EXPECT_EQ(v.Layers.Colours, ScreenColours{}); // the dark-background colours
    EXPECT_EQ(v.Layers.LayerName[0], "ACCIAO_SEZ");
}

TEST(SettingsFile, Version2IsReadWholeAndColourZeroBecomes7) {
    TempDir dir;
    dir.write(kSettingsFileName, settingsText(2, 0, true));
    SettingsFileValues v;
    ASSERT_EQ(readSettings(dir.path(), v), SettingsSource::File);
    EXPECT_EQ(v.Layers.LayerName[0], "LAYER 0");
    EXPECT_EQ(v.Layers.LayerColour[0], 7);
    EXPECT_EQ(v.Layers.LayerColour[11], 12);
    EXPECT_FLOAT_EQ(v.Layers.DxfScaleLeft, 2);
    EXPECT_FLOAT_EQ(v.Layers.DxfScaleRight, 50);
    EXPECT_FLOAT_EQ(v.LapFactor, 45.5f);
    EXPECT_EQ(v.Layers.LightBackground, 1);
    EXPECT_EQ(v.Layers.Colours.ColourDims, 1u);
    EXPECT_EQ(v.Layers.Colours.ColourSections, 5u);
    EXPECT_EQ(v.ExtraOption, 9);
}

TEST(SettingsFile, Version1KeepsTheExtraOption) {
    TempDir dir;
    dir.write(kSettingsFileName, settingsText(1, 4, false));
    SettingsFileValues v;
    v.ExtraOption = 17;
    ASSERT_EQ(readSettings(dir.path(), v), SettingsSource::File);
    EXPECT_EQ(v.ExtraOption, 17);
    EXPECT_EQ(v.Layers.LayerColour[0], 4);
}

TEST(SettingsFile, WriteThenReadRoundTrips) {
    TempDir dir;
    SettingsFileValues v;
    v.Layers.LayerName[2] = "SEZ";
    v.Layers.LayerColour[2] = 200;
    v.Layers.DxfScaleRight = 50;
    v.LapFactor = 60;
    v.ExtraOption = 2;
    v.Layers.LightBackground = 1;
    defaultScreenColours(v.Layers);
    ASSERT_TRUE(writeSettings(dir.path(), v));
    std::string text = readText(dir.file(kSettingsFileName));
    EXPECT_EQ(text.substr(0, 20), " 2\r\nACCIAO_SEZ\r\n 6\r\n");
    EXPECT_NE(text.find("1.000 50.000 60.000  1\r\n"), std::string::npos);
    SettingsFileValues back;
    ASSERT_EQ(readSettings(dir.path(), back), SettingsSource::File);
    EXPECT_EQ(back, v);
}

TEST(SettingsFile, EachBadValueFallsBackToItsOwnDefaultAndIsNamed) {
    TempDir dir;
    std::string t = settingsText(2, 4, true);
    t.replace(t.find("2.000 50.000 45.500"), 19, "2.000 200000 1500");
    t.replace(t.find(" 1 2 3 4 5"), 10, " 1 2 abc 4 5");
    t.replace(t.find("LAYER 3\r\n 4"), 11, "LAYER 3\r\n 300");
    dir.write(kSettingsFileName, t);
    const std::string before = readText(dir.file(kSettingsFileName));
    SettingsFileValues v;
    std::vector<std::string> problems;
    EXPECT_EQ(readSettings(dir.path(), v, &problems), SettingsSource::PartlyDefaults);
    // The refused values take their defaults ...
    EXPECT_FLOAT_EQ(v.Layers.DxfScaleRight, 25);
    EXPECT_FLOAT_EQ(v.LapFactor, 40);
    EXPECT_EQ(v.Layers.LayerColour[3], 6);
    EXPECT_EQ(v.Layers.Colours.ColourBars, rgb(128, 0, 128)); // light background read
    // ... every other value is kept.
    EXPECT_FLOAT_EQ(v.Layers.DxfScaleLeft, 2);
    EXPECT_EQ(v.Layers.LayerName[3], "LAYER 3");
    EXPECT_EQ(v.Layers.LightBackground, 1);
    EXPECT_EQ(v.Layers.Colours.ColourDims, 1u);
    EXPECT_EQ(v.Layers.Colours.ColourSections, 5u);
    EXPECT_EQ(v.ExtraOption, 9);
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_NE(problems[0].find("riga 9: il colore del layer \"300\" fuori dai limiti (da 0 a 255)"),
              std::string::npos)
        << problems[0];
    EXPECT_NE(problems[1].find("riga 26: la scala DXF (unità) \"200000\" fuori dai limiti"),
              std::string::npos)
        << problems[1];
    EXPECT_NE(problems[2].find("\"1500\""), std::string::npos);
    EXPECT_NE(problems[3].find("riga 27: il colore dei ferri \"abc\" non è un numero"),
              std::string::npos)
        << problems[3];
    EXPECT_EQ(readText(dir.file(kSettingsFileName)), before); // not rewritten

    // A file that ends early keeps what it holds and says where it ends.
    std::string shortText = settingsText(2, 4, true);
    shortText.resize(shortText.find("2.000"));
    problems.clear();
    EXPECT_EQ(readSettingsText(shortText, "V.ini", v, &problems), SettingsSource::PartlyDefaults);
    EXPECT_EQ(v.Layers.LayerName[11], "LAYER 11");
    EXPECT_FLOAT_EQ(v.Layers.DxfScaleRight, 25);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "V.ini, il file finisce alla riga 25; da lì in poi valgono i valori "
                           "predefiniti.");
}

TEST(SettingsFile, AnUnwritableFolderIsReported) {
    SettingsFileValues v;
    std::string why;
    EXPECT_FALSE(writeSettings("/nonexistent/folder", v, &why));
    EXPECT_NE(why.find("/nonexistent/folder"), std::string::npos);
}
