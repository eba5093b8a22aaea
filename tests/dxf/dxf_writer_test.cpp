// Tests of the DXF tag writer, the number format, the entity writers and the DXF surface.
#include "geometry/cp1252.h"
#include "dxf/dxf_entities.h"
#include "dxf/dxf_surface.h"
#include "dxf/dxf_tags.h"

#include <gtest/gtest.h>

#include <clocale>
#include <charconv>
#include <cmath>
#include <random>
#include <locale>
#include <string>

using namespace murcad;

namespace {

// Joins lines with CR LF, each line ended.
std::string lines(std::initializer_list<const char *> ls) {
    std::string s;
    for (const char *l : ls) {
        s += l;
        s += "\r\n";
    }
    return s;
}

std::string fmt(double v, int decimals = 6) {
    char buf[64];
    return std::string(formatDxfNumber(v, decimals, buf));
}

} // namespace

TEST(DxfNumber, FixedDecimalsWithPoint) {
    EXPECT_EQ(fmt(4.0), "4.000000");
    EXPECT_EQ(fmt(-12.3456789), "-12.345679");
    EXPECT_EQ(fmt(0.2, 2), "0.20");
    EXPECT_EQ(fmt(123456.75), "123456.750000");
    EXPECT_EQ(fmt(0.0), "0.000000");
}

TEST(DxfNumber, SameDigitsAsCorrectRoundingForEveryKindOfFloat) {
    // Halves go to the even neighbour: 1/128 = 0.0078125 exactly.
    EXPECT_EQ(fmt(0.0078125f), "0.007812");
    EXPECT_EQ(fmt(0.0234375f), "0.023438");
    EXPECT_EQ(fmt(0.125f, 2), "0.12");
    EXPECT_EQ(fmt(-0.375f, 2), "-0.38");
    std::mt19937 rng(12345);
    std::uniform_real_distribution<float> mantissa(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(-30, 40);
    for (int i = 0; i < 200000; ++i) {
        float v = std::ldexp(mantissa(rng), exponent(rng));
        for (int decimals : {2, 6}) {
            char ref[64];
            auto res = std::to_chars(ref, ref + sizeof ref, static_cast<double>(v),
                                     std::chars_format::fixed, decimals);
            std::string expected(ref, res.ptr);
            if (expected.find_first_not_of("-0.") == std::string::npos && expected[0] == '-')
                expected.erase(0, 1);
            ASSERT_EQ(fmt(v, decimals), expected) << v;
        }
    }
}

TEST(DxfNumber, TinyNegativeIsPlainZeroAndNonFiniteIsZero) {
    EXPECT_EQ(fmt(-1e-9), "0.000000");
    EXPECT_EQ(fmt(-0.0), "0.000000");
    EXPECT_EQ(fmt(-0.004, 2), "0.00");
    EXPECT_EQ(fmt(std::nan("")), "0.000000");
    EXPECT_EQ(fmt(INFINITY), "0.000000");
    DxfTagWriter w;
    w.tagNumber(10, NAN);
    w.tagNumber(20, 1.0);
    EXPECT_EQ(w.nonFiniteValues(), 1);
}

TEST(DxfNumber, PointWhateverTheDecimalSeparatorOfTheMachine) {
    // A C locale whose decimal separator is a comma, built on the spot so no installed
    // locale is needed; the process's global C++ and C locales are left alone.
    struct CommaPunct : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    DxfTagWriter w;
    w.tagNumber(10, 1.5);
    std::locale::global(previous);
    EXPECT_EQ(w.text(), lines({" 10", "1.500000"}));
}

TEST(DxfTags, GroupCodesRightAlignedInThreeCharacters) {
    DxfTagWriter w;
    w.code(0);
    w.code(10);
    w.code(100);
    w.code(1071);
    w.tagInt(72, 1);
    w.tagInt(62, -7);
    EXPECT_EQ(w.text(), lines({"  0", " 10", "100", "1071", " 72", "1", " 62", "-7"}));
}

TEST(DxfEntities, LineWithoutAndWithLinetype) {
    DxfTagWriter w;
    writeDxfLine(w, 4, 2, -1.5f, 0, "BORDO", 0);
    EXPECT_EQ(w.text(), lines({"LINE", "  8", "BORDO", " 10", "4.000000", " 20", "2.000000",
                               " 30", "0.0", " 11", "-1.500000", " 21", "0.000000", " 31", "0.0",
                               "  0"}));
    const char *names[] = {"", "DASHED", "CONTINUOUS", "DASHDOT"};
    for (int style = 1; style <= 3; ++style) {
        DxfTagWriter s;
        writeDxfLine(s, 0, 0, 1, 1, "QUOTE", style);
        EXPECT_TRUE(s.text().starts_with(lines({"LINE", "  8", "QUOTE", "  6", names[style], " 10"})))
            << style;
    }
    DxfTagWriter odd;
    writeDxfLine(odd, 0, 0, 1, 1, "QUOTE", 7); // unknown styles take the layer's linetype
    EXPECT_EQ(odd.text().find("  6\r\n"), std::string::npos);
}

TEST(DxfEntities, Circle) {
    DxfTagWriter w;
    writeDxfCircle(w, 1.25f, -2, 0.04f, "FERRI");
    EXPECT_EQ(w.text(), lines({"CIRCLE", "  8", "FERRI", " 10", "1.250000", " 20", "-2.000000",
                               " 30", "0.0", " 40", "0.040000", "  0"}));
}

TEST(DxfEntities, TextFirstPointMovedLeftAndDown) {
    DxfTagWriter w;
    writeDxfText(w, 1, 1, "SEZIONE A-A", "TESTO_TITOLI", 90, 0.24f, 1);
    EXPECT_EQ(w.text(), lines({"TEXT", "  8", "TESTO_TITOLI", " 10", "0.790000", " 20",
                               "0.880000", " 30", "0.0", " 40", "0.24", "  1", "SEZIONE A-A",
                               " 50", "90.000000", " 72", "1", " 11", "1.000000", " 21",
                               "1.000000", " 31", "0.0", " 73", "  2", "  0"}));
}

TEST(DxfEntities, SmallTextHeightsKeepTheirSize) {
    // At 1:1000 a 5 cm text is 0.005 units: two decimals would write 0.00 or 0.01.
    DxfTagWriter w;
    writeDxfText(w, 0, 0, "12", "TESTO_QUOTE", 0, 0.0052f, 0);
    EXPECT_NE(w.text().find(lines({" 40", "0.005200", "  1"})), std::string::npos) << w.text();
    DxfTagWriter big;
    writeDxfText(big, 0, 0, "12", "TESTO_QUOTE", 0, 0.1f, 0);
    EXPECT_NE(big.text().find(lines({" 40", "0.10", "  1"})), std::string::npos) << big.text();
}

TEST(DxfSurface, WorldPointsScaledAndShifted) {
    DxfTagWriter w;
    LayerSettings layers = makeDefaultLayerSettings();
    DxfSurface s(w, layers);
    s.transform = {0.04f, 0, 0};
    s.drawLine(100, 50, 0, 0, SEZIONI, ByLayer);
    EXPECT_EQ(w.text(), lines({"LINE", "  8", "SEZIONI", " 10", "4.000000", " 20", "2.000000",
                               " 30", "0.0", " 11", "0.000000", " 21", "0.000000", " 31", "0.0",
                               "  0"}));
    s.transform.DxfOffsetX = 1000;
    s.transform.DxfOffsetY = -50;
    EXPECT_FLOAT_EQ(s.dxfX(0), 40);
    EXPECT_FLOAT_EQ(s.dxfY(50), 0);
    EXPECT_FLOAT_EQ(s.dxfScale(), 0.04f);
    EXPECT_TRUE(s.isDxf());
}

TEST(DxfSurface, LayerNamesFromSettingsAndScreenSideInert) {
    DxfTagWriter w;
    LayerSettings layers = makeDefaultLayerSettings();
    layers.LayerName[FERRI] = "Armature principali";
    DxfSurface s(w, layers);
    s.dxfCircle(0, 0, 1, FERRI);
    s.screenText(1, 2, 3, 4, 5, "x", 6);
    s.screenCircle(1, 2, 3, 4);
    EXPECT_EQ(s.screenX(10), 0.0f);
    EXPECT_EQ(s.viewScale(), 0.0f);
    EXPECT_TRUE(w.text().starts_with(lines({"CIRCLE", "  8", "Armature principali", " 10"})));
    EXPECT_EQ(w.text().size(), lines({"CIRCLE", "  8", "Armature principali", " 10", "0.000000",
                                      " 20", "0.000000", " 30", "0.0", " 40", "1.000000", "  0"})
                                   .size());
}

TEST(DxfSurface, TextsWrittenAsWindows1252OnOneLine) {
    DxfTagWriter w;
    LayerSettings layers = makeDefaultLayerSettings();
    DxfSurface s(w, layers);
    s.dxfText(0, 0, "Quantità 2%%c12 €\nriga", TESTO_FERRI, 0, 0.2f, 0);
    std::string expected = "Quantit\xE0 2%%c12 \x80 riga\r\n";
    EXPECT_NE(w.text().find("  1\r\n" + expected), std::string::npos) << w.text();
}

TEST(Cp1252, ConversionRules) {
    EXPECT_EQ(utf8ToCp1252("abc"), "abc");
    EXPECT_EQ(utf8ToCp1252("è€Ø"), "\xE8\x80\xD8");
    EXPECT_EQ(utf8ToCp1252("Ω"), "?");              // no such letter in the code page
    EXPECT_EQ(utf8ToCp1252("\xE8 old"), "\xE8 old"); // not UTF-8: already single-byte
    EXPECT_EQ(utf8ToCp1252("a\tb\r\nc"), "a b  c");
    EXPECT_TRUE(fitsCp1252Line("TESTO_QUOTE è"));
    EXPECT_FALSE(fitsCp1252Line("Ω"));
    EXPECT_FALSE(fitsCp1252Line("a\nb"));
    EXPECT_FALSE(fitsCp1252Line("\xC2\x85")); // C1 control character NEL
}

namespace murcad {
namespace {

TEST(DxfSurfaceLines, ALineOfNoLengthInTheFileIsNotWritten) {
    DxfTagWriter writer;
    DxfSurface s(writer, makeDefaultLayerSettings());
    s.drawLine(10, 20, 10, 20, FERRI, ByLayer);
    s.dxfLine(1.0000001f, 2, 1.0000002f, 2, FERRI, ByLayer); // the same six decimals
    EXPECT_EQ(writer.text().find("LINE"), std::string::npos);
    s.drawLine(10, 20, 10, 20.001f, FERRI, ByLayer);
    EXPECT_NE(writer.text().find("LINE"), std::string::npos);
}

} // namespace
} // namespace murcad
