// Sheets to scale: scale texts, paper choice, the proposal when A0 is too small, title block.
#include "sheets/page_layout.h"
#include "sheets/print_pens.h"
#include "sheets/title_block.h"

#include "../drawings/wall_builder.h"

#include <gtest/gtest.h>

using namespace murcad;

TEST(SheetScale, ReadsOneToNWithCommaOrPointAndRefusesTheRest) {
    struct Case {
        const char *text;
        bool ok;
        double n;
    };
    for (Case c : {Case{"1:50", true, 50}, Case{" 1 : 100 ", true, 100}, Case{"200", true, 200},
                   Case{"1:12,5", true, 12.5}, Case{"2:50", false, 0}, Case{"1:0", false, 0},
                   Case{"1:20000", false, 0}, Case{"1:50x", false, 0}, Case{"1:", false, 0},
                   Case{"1:nan", false, 0}}) {
        double n = 0;
        std::string why;
        EXPECT_EQ(parseScale(c.text, n, &why), c.ok) << c.text;
        if (c.ok)
            EXPECT_DOUBLE_EQ(n, c.n) << c.text;
        else
            EXPECT_NE(why.find(c.text), std::string::npos) << why;
    }
    EXPECT_EQ(scaleText(50), "1:50");
    EXPECT_EQ(scaleText(12.5), "1:12.5");
}

namespace {
DrawnExtents box(float w, float h) {
    return {0, 0, w, h, false};
}
} // namespace

TEST(SheetPaper, AutoTakesTheSmallestSizeAndOrientationThatHold) {
    // 600 x 1000 cm at 1:50 is 120 x 200 mm: the A4 portrait frame holds it above the block.
    PageLayout a4 = layoutPage(box(600, 1000), {50});
    ASSERT_TRUE(a4.fits);
    EXPECT_STREQ(kIsoPapers[a4.paper].name, "A4");
    EXPECT_EQ(a4.orientation, Orientation::Portrait);
    EXPECT_FLOAT_EQ(a4.pageWidthMm, 210);
    EXPECT_FLOAT_EQ(a4.pageHeightMm, 297);
    EXPECT_FLOAT_EQ(a4.frame.x, 20);
    EXPECT_FLOAT_EQ(a4.frame.right(), 200);
    EXPECT_FLOAT_EQ(a4.frame.bottom(), 287);
    EXPECT_FLOAT_EQ(a4.titleBlock.right(), 200);
    EXPECT_FLOAT_EQ(a4.titleBlock.bottom(), 287);
    // The drawing stays clear of the title block and inside the frame.
    EXPECT_LE(a4.drawing.bottom(), a4.titleBlock.y - kDrawingClearanceMm + 1e-3f);
    EXPECT_GE(a4.drawing.x, a4.frame.x + kDrawingClearanceMm);
    EXPECT_NEAR(a4.paperY(0) - a4.paperY(1000), 200, 1e-3); // 1 cm of wall is 0.2 mm

    // A wide drawing takes the landscape sheet; at 1:100 a quarter of the paper.
    PageLayout wide = layoutPage(box(3000, 1200), {50});
    ASSERT_TRUE(wide.fits);
    EXPECT_STREQ(kIsoPapers[wide.paper].name, "A1");
    EXPECT_EQ(wide.orientation, Orientation::Landscape);
    PageLayout wide100 = layoutPage(box(3000, 1200), {100});
    EXPECT_STREQ(kIsoPapers[wide100.paper].name, "A3");

    // An asked paper and orientation are kept when they hold the drawing.
    PageLayout fixed = layoutPage(box(600, 1000), {50, 2, Orientation::Landscape});
    ASSERT_TRUE(fixed.fits);
    EXPECT_FLOAT_EQ(fixed.pageWidthMm, 594);
    EXPECT_FLOAT_EQ(fixed.pageHeightMm, 420);
}

TEST(SheetPaper, TooLargeForA0ProposesTheLargestStandardScaleThatFits) {
    // A 40-storey wall: 120 m high. At 1:50 that is 2400 mm, at 1:100 1200 mm (over the A0
    // frame), at 1:200 600 mm.
    PageLayout l = layoutPage(box(2000, 12000), {50});
    EXPECT_FALSE(l.fits);
    EXPECT_DOUBLE_EQ(l.proposedScale, 200);
    EXPECT_NE(l.message.find("1:50"), std::string::npos) << l.message;
    EXPECT_NE(l.message.find("A0"), std::string::npos) << l.message;
    EXPECT_NE(l.message.find("1:200"), std::string::npos) << l.message;
    EXPECT_TRUE(layoutPage(box(2000, 12000), {l.proposedScale}).fits);

    // An asked A3 that is too small proposes the scale for A3, not for A0.
    PageLayout a3 = layoutPage(box(600, 1000), {20, 1});
    EXPECT_FALSE(a3.fits);
    EXPECT_DOUBLE_EQ(a3.proposedScale, 50);
    EXPECT_FALSE(layoutPage(DrawnExtents{}, {50}).fits);
}

TEST(SheetTitleBlock, SaysProjectWallScaleDateAndSheet) {
    TitleBlockContent c;
    c.texts = {"Residenza Le Querce", "ing. Rossi", "ing. Bianchi", "B"};
    c.wallFile = "/dati/disegni/P7.PAR";
    c.wallNumber = 7;
    c.scale = 50;
    c.date = "09/12/2026";
    c.sheet = 2;
    c.sheetCount = 5;
    PaperRect block{200 - kTitleBlockWidthMm, 287 - kTitleBlockHeightMm, kTitleBlockWidthMm,
                    kTitleBlockHeightMm};
    std::vector<TitleBlockField> f = titleBlockFields(block, c);
    auto text = [&](const std::string &caption, const std::string &t) {
        for (const TitleBlockField &x : f)
            if (x.caption == caption && x.text == t)
                return &x;
        return static_cast<const TitleBlockField *>(nullptr);
    };
    EXPECT_TRUE(text("Progetto", "Residenza Le Querce"));
    EXPECT_TRUE(text("File parete", "P7.PAR"));
    EXPECT_TRUE(text("", "Parete n. 7"));
    EXPECT_TRUE(text("", "Scala 1:50"));
    EXPECT_TRUE(text("Data", "09/12/2026"));
    EXPECT_TRUE(text("Disegnato", "ing. Rossi"));
    EXPECT_TRUE(text("Verificato", "ing. Bianchi"));
    EXPECT_TRUE(text("Revisione", "B"));
    const TitleBlockField *sheet = text("", "Tavola 2 di 5");
    ASSERT_TRUE(sheet);
    // The sheet number sits in the lower right corner; every field inside the block.
    EXPECT_FLOAT_EQ(sheet->box.right(), block.right());
    EXPECT_FLOAT_EQ(sheet->box.bottom(), block.bottom());
    for (const TitleBlockField &x : f) {
        EXPECT_GE(x.box.x, block.x - 1e-3f);
        EXPECT_LE(x.box.right(), block.right() + 1e-3f);
        EXPECT_LE(x.box.bottom(), block.bottom() + 1e-3f);
    }
}

TEST(SheetPens, OutlinesHeavierThanBarsDimensionsThinColoursReadableOnWhite) {
    LayerSettings layers = makeDefaultLayerSettings();
    auto black = printPens(layers, false);
    EXPECT_GT(black[BORDO].widthMm, black[FERRI].widthMm);
    EXPECT_GT(black[FERRI].widthMm, black[QUOTE].widthMm);
    EXPECT_EQ(black[SEZIONI].colour, rgb(0, 0, 0));
    // Thinner at small scales, the order kept, never below 0.1 mm.
    auto at200 = printPens(layers, false, 200);
    EXPECT_FLOAT_EQ(at200[BORDO].widthMm, 0.25f);
    EXPECT_GT(at200[FERRI].widthMm, at200[QUOTE].widthMm);
    EXPECT_FLOAT_EQ(at200[QUOTE].widthMm, 0.1f);
    layers.LayerColour[BORDO] = 7;
    layers.LayerColour[QUOTE] = 2; // yellow
    auto colour = printPens(layers, true);
    EXPECT_EQ(colour[BORDO].colour, rgb(0, 0, 0));
    EXPECT_EQ(colour[FERRI].colour, rgb(0, 0, 255)); // blue stays
    Rgb y = colour[QUOTE].colour;
    EXPECT_EQ(rgbRed(y), rgbGreen(y)); // still a yellow hue
    EXPECT_LT(rgbRed(y), 130);         // but dark enough to read
}

TEST(SheetExtents, CoverTheWholeDrawingTextsIncluded) {
    Wall w = test::plainWall(3);
    w.HorizSections.push_back(test::horizCut(w, 0, 150));
    DrawnExtents e = measureDrawnExtents(w);
    ASSERT_FALSE(e.empty);
    // Foundation below the base level, the top storey at 900 with its level mark above.
    EXPECT_LT(e.bottom, -50);
    EXPECT_GT(e.top, 900);
    EXPECT_LT(e.left, 0); // the section's dimension texts reach left of the cut
    EXPECT_TRUE(measureDrawnExtents(Wall{}).empty);
}
