// The window icon is drawn from the SVG the desktop shows: the resource must be in the program.
#include "app_icons.h"
#include "gui_test_support.h"

#include <QImage>
#include <QPixmap>

using namespace murcad::app;
using namespace murcad::app::testing;

static ::testing::Environment *const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

TEST(ApplicationIcon, IsTheWallOfTheDesktopIcon) {
    QIcon icon = applicationIcon();
    ASSERT_FALSE(icon.isNull());
    QImage image = icon.pixmap(64, 64).toImage();
    ASSERT_EQ(image.width(), 64);
    // Dark rounded square, grey concrete between the bars, green section line across.
    EXPECT_LT(QColor(image.pixel(4, 60)).lightness(), 60);
    EXPECT_NEAR(QColor(image.pixel(29, 50)).red(), 185, 20);
    QColor cut = image.pixel(12, 24);
    EXPECT_GT(cut.green(), cut.red() + 60);
}
