// The Qt painter surface and the sheet renderer: colours, dotted lines, texts, files.
#include "qtdraw/painter_surface.h"
#include "qtdraw/render_sheet.h"
#include "drawings/wall_builder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <filesystem>

namespace murcad {
namespace {

struct Canvas {
    QImage image{200, 100, QImage::Format_RGB32};
    ViewWindow view;
    LayerSettings layers = makeDefaultLayerSettings();
    Canvas() {
        ensureQtGui();
        view.BoxWidthPx = 200;
        view.BoxHeightPx = 100;
        view.ViewScale = 1;
        image.fill(Qt::black);
    }
    int countColour(QColor c, int row = -1) const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            if (row >= 0 && y != row)
                continue;
            for (int x = 0; x < image.width(); ++x)
                n += QColor(image.pixel(x, y)) == c;
        }
        return n;
    }
};

TEST(PainterSurface, LayerColoursAndBlackOutsideTheTable) {
    Canvas c;
    QPainter p(&c.image);
    PainterSurface s(p, c.view, c.layers);
    EXPECT_EQ(s.layerColour(BORDO), QColor(255, 0, 0));
    EXPECT_EQ(s.layerColour(FERRI), QColor(255, 0, 255));
    EXPECT_EQ(s.layerColour(12), QColor(0, 0, 0));
    EXPECT_EQ(s.layerColour(-1), QColor(0, 0, 0));
}

TEST(PainterSurface, DottedLineDoesNotLeaveTheNextLineDotted) {
    Canvas c;
    {
        QPainter p(&c.image);
        PainterSurface s(p, c.view, c.layers);
        // World y 80 and 50 are pixel rows 20 and 50 (bottom at world 0).
        s.drawLine(10, 80, 190, 80, BORDO, Dashed);
        s.drawLine(10, 50, 190, 50, BORDO, ByLayer);
    }
    int dotted = c.countColour(QColor(255, 0, 0), 20);
    int solid = c.countColour(QColor(255, 0, 0), 50);
    EXPECT_GT(solid, 175);
    EXPECT_GT(dotted, 20);
    EXPECT_LT(dotted, solid - 40);
}

TEST(PainterSurface, TextIsDrawnInTheLayerColourBelowItsTopLeftCorner) {
    Canvas c;
    {
        QPainter p(&c.image);
        PainterSurface s(p, c.view, c.layers);
        s.screenText(20, 30, 20, 8, 0, "Sezione \xC3\x98", TESTO_POSIZIONI);
    }
    int yellow = 0, above = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (QColor(c.image.pixel(x, y)) == QColor(255, 255, 0)) {
                ++yellow;
                above += y < 29 || x < 19;
            }
    EXPECT_GT(yellow, 30);
    EXPECT_EQ(above, 0);
}

TEST(PainterSurface, ClearPaintsTheBackgroundOfTheSettings) {
    Canvas c;
    c.layers.LightBackground = 1;
    {
        QPainter p(&c.image);
        PainterSurface s(p, c.view, c.layers);
        s.clear();
    }
    EXPECT_EQ(c.countColour(QColor(255, 255, 255)), 200 * 100);
}

TEST(RenderSheet, WholeSheetFillsTheImageWithDrawing) {
    Wall w = test::plainWall(3);
    w.VertSections = {test::vertCut(0, 0, 900, 0, 3)};
    LayerSettings layers = makeDefaultLayerSettings();
    QImage img = renderSheetImage(w, layers, 640, 480);
    ASSERT_EQ(img.width(), 640);
    int drawn = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            drawn += QColor(img.pixel(x, y)) != QColor(Qt::black);
    EXPECT_GT(drawn, 2000);
}

TEST(RenderSheet, WritesPngSvgAndPdfAndNamesTheFileOnError) {
    Wall w = test::plainWall(2);
    LayerSettings layers = makeDefaultLayerSettings();
    auto dir = std::filesystem::temp_directory_path() / "murcad_qtdraw_test";
    std::filesystem::create_directories(dir);
    for (const char *name : {"a.png", "b.SVG", "c.pdf"}) {
        std::string path = (dir / name).string();
        std::string error;
        EXPECT_TRUE(renderSheetToFile(w, layers, path, 400, 300, error)) << error;
        EXPECT_GT(std::filesystem::file_size(path), 100u) << name;
        EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    }
    std::string error;
    std::string bad = (dir / "d.bmpx").string();
    EXPECT_FALSE(renderSheetToFile(w, layers, bad, 400, 300, error));
    EXPECT_NE(error.find("d.bmpx"), std::string::npos);
    std::string missing = (dir / "no_such_folder" / "e.png").string();
    EXPECT_FALSE(renderSheetToFile(w, layers, missing, 400, 300, error));
    EXPECT_NE(error.find("e.png"), std::string::npos);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace murcad

namespace murcad {
namespace {

TEST(PainterSurface, DeepZoomStillDrawsALineWhoseEndsLieFarOff) {
    Canvas c;
    c.view.ViewScale = 6400; // the deepest zoom: a view 0.3 cm wide on a 1920 px box
    c.view.ViewLeft = 1000;
    c.view.ViewBottom = 0;
    {
        QPainter p(&c.image);
        PainterSurface s(p, c.view, c.layers);
        // A storey line 3000 cm long through the view: its ends are 6e6 px and more away.
        s.drawLine(-1000, 0.005f, 2000, 0.005f, BORDO, ByLayer);
        s.drawLine(NAN, 0, 5, 5, BORDO, ByLayer); // ignored, no crash
    }
    EXPECT_GT(c.countColour(QColor(255, 0, 0)), 190);
}

} // namespace
} // namespace murcad
