// Dimensions and bar labels drawn on the recording surface, DXF and screen side.
#include "draw/dimensions.h"
#include "draw/recording_surface.h"
#include "draw/text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace murcad {
namespace {

using K = RecordedEntity;

TEST(DimensionFigure, WholeOrOneDecimalByTheFraction) {
    EXPECT_EQ(dimensionFigure(250.05f), "250");
    EXPECT_EQ(dimensionFigure(250.5f), "250.5");
    EXPECT_EQ(dimensionFigure(250.95f), "251");
    EXPECT_EQ(dimensionFigure(300.0f), "300");
    EXPECT_EQ(dimensionFigure(12.1f), "12.1");
}

TEST(PlainNumber, DropsTrailingZeros) {
    EXPECT_EQ(plainNumber(20), "20");
    EXPECT_EQ(plainNumber(12.5f), "12.5");
    EXPECT_EQ(plainNumber(0), "0");
}

TEST(PixelRound, HalvesGoToEvenAndNonFiniteStaysFar) {
    EXPECT_EQ(pixelRound(2.5f), 2);
    EXPECT_EQ(pixelRound(3.5f), 4);
    EXPECT_EQ(pixelRound(-1.4f), -1);
    EXPECT_GT(pixelRound(INFINITY), 1000000);
    EXPECT_GT(pixelRound(NAN), 1000000);
}

TEST(DxfDimension, HorizontalDimensionHasVerticalTicksCirclesAndCentredFigure) {
    RecordingSurface s;
    s.DxfScale = 0.04f;
    drawDimension(s, 0, 0, 250.5f, 0);
    auto lines = s.ofKind(K::Line);
    auto circles = s.ofKind(K::Circle);
    auto texts = s.ofKind(K::Text);
    ASSERT_EQ(lines.size(), 3u);
    ASSERT_EQ(circles.size(), 2u);
    ASSERT_EQ(texts.size(), 1u);
    // Ticks: 6.5 x DxfScale either side, perpendicular to the line.
    EXPECT_NEAR(lines[0].x1, 0, 1e-5);
    EXPECT_NEAR(lines[0].y1, -0.26f, 1e-5);
    EXPECT_NEAR(lines[0].y2, 0.26f, 1e-5);
    EXPECT_EQ(lines[0].layer, QUOTE);
    EXPECT_NEAR(circles[0].radius, 1.2f * 0.04f, 1e-6);
    EXPECT_EQ(texts[0].text, "250.5");
    EXPECT_EQ(texts[0].layer, TESTO_QUOTE);
    EXPECT_EQ(texts[0].hAlign, 1);
    EXPECT_NEAR(texts[0].angle, 0, 1e-4);
    EXPECT_NEAR(texts[0].height, 0.2f, 1e-6);
    EXPECT_NEAR(texts[0].x1, 250.5f * 0.04f / 2, 1e-4);
    EXPECT_NEAR(texts[0].y1, 0.8f * 0.2f, 1e-5);
}

TEST(DxfDimension, VerticalDimensionReadsAtNinetyDegreesWithHorizontalTicks) {
    RecordingSurface s;
    drawDimension(s, 10, 0, 10, 300);
    auto lines = s.ofKind(K::Line);
    auto texts = s.ofKind(K::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(texts[0].angle, 90, 1e-3);
    EXPECT_EQ(texts[0].text, "300");
    // Tick at the first end is horizontal.
    EXPECT_NEAR(lines[0].y1, lines[0].y2, 1e-4);
    EXPECT_NEAR(std::abs(lines[0].x2 - lines[0].x1), 13, 1e-3);
    // The figure stands to the left of the line.
    EXPECT_LT(texts[0].x1, 10);
}

TEST(DxfDimension, RightToLeftIsDrawnLikeLeftToRight) {
    RecordingSurface a, b;
    drawDimension(a, 0, 0, 120, 30);
    drawDimension(b, 120, 30, 0, 0);
    ASSERT_EQ(a.entities.size(), b.entities.size());
    for (std::size_t i = 0; i < a.entities.size(); ++i) {
        EXPECT_NEAR(a.entities[i].x1, b.entities[i].x1, 1e-4);
        EXPECT_NEAR(a.entities[i].y1, b.entities[i].y1, 1e-4);
        EXPECT_EQ(a.entities[i].text, b.entities[i].text);
    }
}

TEST(DxfDimension, NothingForAZeroLength) {
    RecordingSurface s;
    drawDimension(s, 5, 5, 5, 5.0005f);
    EXPECT_TRUE(s.entities.empty());
    RecordingSurface screen(false);
    drawDimension(screen, 5, 5, 5, 5);
    EXPECT_TRUE(screen.entities.empty());
}

TEST(ScreenDimension, VerticalFigureTurnsNinetyAndStandsOffWhenItDoesNotFit) {
    RecordingSurface s(false);
    s.view.ViewScale = 2;
    drawDimension(s, 0, 0, 0, 300);
    auto texts = s.ofKind(K::ScreenText);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].angle, 90);
    EXPECT_EQ(texts[0].height, 24); // 12 cm at 2 px/cm
    EXPECT_EQ(texts[0].widthPx, 10);
    // Fits: 1.05 heights left of the line.
    EXPECT_EQ(texts[0].x1, pixelRound(-1.05f * 24));

    RecordingSurface tiny(false);
    tiny.view.ViewScale = 2;
    drawDimension(tiny, 0, 0, 0, 3); // 6 pixels long: the figure cannot fit
    auto t2 = tiny.ofKind(K::ScreenText);
    ASSERT_EQ(t2.size(), 1u);
    EXPECT_EQ(t2[0].x1, pixelRound(-1.5f * 24));
}

TEST(BarDimension, ShortLegDrawsNothingAndCountsZero) {
    RecordingSurface s;
    EXPECT_EQ(drawBarDimension(s, 0, 0, 0.05f, 0, 0), 0);
    EXPECT_TRUE(s.entities.empty());
    EXPECT_EQ(drawBarDimension(s, 0, 0, 0, 22.4f, 0), 22);
    EXPECT_EQ(s.findText("22")->layer, TESTO_FERRI);
    EXPECT_EQ(s.linesOnLayer(FERRI_EST).size(), 1u);
}

TEST(BarDimension, NegativeSideMirrorsTheFigure) {
    RecordingSurface up, down;
    drawBarDimension(up, 0, 0, 100, 0, 0);
    drawBarDimension(down, 0, 0, 100, 0, -1);
    EXPECT_GT(up.ofKind(K::Text)[0].y1, 0);
    EXPECT_LT(down.ofKind(K::Text)[0].y1, 0);
}

TEST(BarShape, DescriptionCarriesDiameterSpacingAndTotalLength) {
    RecordingSurface s;
    drawBarShape(s, 3, 0, 297, 0, 30, 10, 12.5f);
    EXPECT_NE(s.findText("294"), nullptr);
    EXPECT_NE(s.findText("1%%c10/12.5 L=324"), nullptr);
    RecordingSurface screen(false);
    drawBarShape(screen, 3, 0, 297, 0, 30, 10, 20);
    EXPECT_NE(screen.findText("1\xC3\x98"
                              "10/20 L=324"),
              nullptr);
}

TEST(BarLabel, TextGivesSpacingOrBarCount) {
    RecordingSurface s;
    drawBarLabel(s, 10, 5, 10, 25, 10, -14, 12.74f, 16, {});
    const RecordedEntity *t = s.findText("%%c16/12.5");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->layer, TESTO_POSIZIONI);
    EXPECT_EQ(t->hAlign, 0);
    EXPECT_FLOAT_EQ(t->x1, 20);                 // tail to the right, text at the label point
    EXPECT_NEAR(t->y1, -9 + 0.8f * 5.2f, 1e-4); // stands on the tail
    EXPECT_EQ(s.linesOnLayer(QUOTE).size(), 3u);

    RecordingSurface single;
    drawBarLabel(single, 10, 25, 10, 5, -10, -14, 0, 12, {1, 0});
    EXPECT_NE(single.findText("1%%c12"), nullptr);
    EXPECT_EQ(single.linesOnLayer(QUOTE).size(), 2u); // first leader left out
    RecordingSurface two;
    drawBarLabel(two, 10, 5, 10, 25, -10, -14, 0, 12, {});
    EXPECT_NE(two.findText("2%%c12"), nullptr);
    auto tail = two.linesOnLayer(QUOTE)[2];
    EXPECT_FLOAT_EQ(tail.worldX1, 0 - 26); // tail to the left for DX <= 0
}

} // namespace
} // namespace murcad
