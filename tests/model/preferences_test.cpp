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

TEST(Preferences, LapFactorReadsCommaAndGivesZeroForText) {
    EXPECT_FLOAT_EQ(lapFactorFromText("45,5"), 45.5f);
    EXPECT_FLOAT_EQ(lapFactorFromText("abc"), 0.0f);
}
