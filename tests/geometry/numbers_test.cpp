// Number routines: decimal commas, fixed formats, half rounding, diagonal bar diameters.
#include "geometry/numbers.h"

#include <clocale>
#include <gtest/gtest.h>

using namespace murcad;

TEST(Numbers, ParseNumberAcceptsCommaOrPointAndStopsAtTheSecondComma) {
    EXPECT_FLOAT_EQ(parseNumber("12,5"), 12.5f);
    EXPECT_FLOAT_EQ(parseNumber("12.5"), 12.5f);
    EXPECT_FLOAT_EQ(parseNumber("1,2,3"), 1.2f);
    EXPECT_FLOAT_EQ(parseNumber("250,5 cm"), 250.5f);
    EXPECT_FLOAT_EQ(parseNumber("-3"), -3.0f);
    EXPECT_FLOAT_EQ(parseNumber("abc"), 0.0f);
    EXPECT_FLOAT_EQ(parseNumber(""), 0.0f);
    float v = 1;
    EXPECT_FALSE(tryParseNumber("x1", v));
    EXPECT_TRUE(tryParseNumber(" 7", v));
    EXPECT_FLOAT_EQ(v, 7.0f);
}

TEST(Numbers, DotDecimalReplacesOnlyTheFirstComma) {
    EXPECT_EQ(dotDecimal("1,2,3"), "1.2,3");
    EXPECT_EQ(dotDecimal("12"), "12");
}

TEST(Numbers, FormatNumberUsesAPointWhateverTheLocale) {
    // A comma-decimal locale must not leak into files.
    const char *had = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = had ? had : "C";
    std::setlocale(LC_NUMERIC, "it_IT.UTF-8");
    EXPECT_EQ(formatNumber(1.5, 6), "1.500000");
    EXPECT_EQ(formatNumber(1234.5f, 4), "1234.5000");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(formatNumber(7.6, 0), "8");
    EXPECT_EQ(formatNumber(2.5, 0), "3"); // halves away from zero, as a number format does
    EXPECT_EQ(formatNumber(-2.5, 0), "-3");
    EXPECT_EQ(formatNumber(12.25f, 1), "12.3");
    EXPECT_EQ(formatNumber(999.96, 1), "1000.0");
    EXPECT_EQ(formatNumber(0.04, 0), "0");
    EXPECT_EQ(formatNumber(-0.4, 0), "0");
    EXPECT_EQ(formatNumber(1e-7, 2), "0.00");
    EXPECT_EQ(formatNumber(123456789.0, 2), "123456789.00");
    EXPECT_EQ(formatNumber(250.0, 1), "250.0");
    EXPECT_EQ(formatNumber(-0.001, 2), "0.00");
    EXPECT_EQ(formatNumber(0.125, 2), "0.13");
    EXPECT_EQ(formatNumber(1.005, 2), "1.01");
}

TEST(Numbers, FloorToHalf) {
    EXPECT_FLOAT_EQ(floorToHalf(12.74f), 12.5f);
    EXPECT_FLOAT_EQ(floorToHalf(12.49f), 12.0f);
    EXPECT_FLOAT_EQ(floorToHalf(12.5f), 12.5f);
    EXPECT_FLOAT_EQ(floorToHalf(0.0f), 0.0f);
}

TEST(Numbers, DiagonalBarDiameterRoundsUpToAnEvenDiameter) {
    EXPECT_EQ(diagonalBarDiameter(3.14f), 10);
    EXPECT_EQ(diagonalBarDiameter(3.2f), 12);
    EXPECT_EQ(diagonalBarDiameter(0.0f), 0);
    EXPECT_EQ(diagonalBarDiameter(-1.0f), 0);
}

TEST(Numbers, RoundingAndSignedText) {
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(signedText(7), " 7");
    EXPECT_EQ(signedText(-3), "-3");
    EXPECT_FLOAT_EQ(distance(0, 0, 3, 4), 5.0f);
    EXPECT_NEAR(radiansToDegrees(3.14159265358979), 180.0, 1e-9);
}
