// Build tool: renders the program's SVG icon into the PNG sizes of the hicolor icon theme.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

// icon_png ICON.svg SIZE OUT.png
int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: icon_png ICONA.svg LATO OUT.png\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    int side = QString(argv[2]).toInt();
    if (!svg.isValid() || side < 8 || side > 1024) {
        std::fprintf(stderr, "icon_png: icona \"%s\" o lato \"%s\" non validi\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "icon_png: non riesco a scrivere \"%s\"\n", argv[3]);
        return 1;
    }
    return 0;
}
