// Tests of the tie diameter and lap factor rules of the preferences.
#include "model/preferences.h"

#include <gtest/gtest.h>

using namespace murcad;

TEST(Preferences, TieDiameterFourToTwentyAccepted) {
    struct Case {
        const char *text;
        bool accepted;
        int diameter;
    };
    for (Case c : {Case{"3", false, 6}, Case{"4", true, 4}, Case{"20", true, 20},
                   Case{"21", false, 6}, Case{"8,5", true, 8}, Case{"9.5", true, 10},
                   Case{"20,5", true, 20}, Case{"x", false, 6}}) {
        int d = 6;
        EXPECT_EQ(acceptTieDiameter(c.text, d), c.accepted) << c.text;
        EXPECT_EQ(d, c.diameter) << c.text;
    }
}

TEST(Preferences, LapFactorIsANumberWithinTheLimitsNeverZeroForText) {
    float f = 40;
    std::string why;
    EXPECT_TRUE(acceptLapFactor("45,5", f, why));
    EXPECT_FLOAT_EQ(f, 45.5f);
    EXPECT_TRUE(acceptLapFactor("52.46", f, why)); // kept with the one decimal the wall stores
    EXPECT_FLOAT_EQ(f, 52.5f);
    for (const char *bad : {"abc", "", "1500", "-40", "45x", "nan", "1e9"}) {
        f = 40;
        why.clear();
        EXPECT_FALSE(acceptLapFactor(bad, f, why)) << bad;
        EXPECT_FLOAT_EQ(f, 40) << bad;
        EXPECT_NE(why.find("Numero di diametri"), std::string::npos) << why;
        EXPECT_NE(why.find("da 0 a 1000"), std::string::npos) << why;
    }
}
