// Icons drawn with QPainter on a 24-unit grid (files, zoom lenses, hands, section cuts, borders,
// undo and redo) and the pointers of the click modes.
#include "app_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSvgRenderer>

#include <cmath>
#include <utility>

namespace murcad::app {

namespace {

const QColor kInk(40, 48, 60);
const QColor kPaper(250, 250, 245);
const QColor kBlue(40, 110, 200);
const QColor kRed(205, 40, 40);
const QColor kGreen(30, 150, 70);
const QColor kConcrete(185, 185, 175);
const QColor kGold(230, 170, 40);

void pen(QPainter &p, const QColor &c, double w = 1.6) {
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void sheet(QPainter &p) { // a page with a folded corner
    QPainterPath path;
    path.moveTo(5, 2);
    path.lineTo(15, 2);
    path.lineTo(20, 7);
    path.lineTo(20, 22);
    path.lineTo(5, 22);
    path.closeSubpath();
    p.setBrush(kPaper);
    pen(p, kInk, 1.3);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({QPointF(15, 2), QPointF(15, 7), QPointF(20, 7)}));
}

void floppy(QPainter &p, double x, double y, double s) {
    p.save();
    p.translate(x, y);
    p.scale(s, s);
    p.setBrush(kBlue);
    pen(p, kInk, 1.2);
    p.drawRoundedRect(QRectF(2, 2, 20, 20), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6, 2, 12, 7));
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(QRectF(5, 13, 14, 9));
    p.restore();
}

void lens(QPainter &p, const QString &inside) {
    p.setBrush(QColor(220, 235, 250));
    pen(p, kInk, 1.8);
    p.drawEllipse(QPointF(10, 10), 7, 7);
    pen(p, kInk, 3.2);
    p.drawLine(QPointF(15.2, 15.2), QPointF(21, 21));
    pen(p, kInk, 1.8);
    if (inside == "+" || inside == "-")
        p.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
    if (inside == "+")
        p.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
    if (inside == "box") {
        pen(p, kBlue, 1.2);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(6.5, 7, 7, 6));
    }
}

void wallElevation(QPainter &p, QRectF r) {
    p.setBrush(kConcrete);
    pen(p, kInk, 1.2);
    p.drawRect(r);
    pen(p, QColor(150, 40, 150), 1.0);
    for (double x = r.left() + 2.5; x < r.right() - 1; x += 3)
        p.drawLine(QPointF(x, r.top() + 1.5), QPointF(x, r.bottom() - 1.5));
}

void arrow(QPainter &p, QPointF from, QPointF to, const QColor &c) {
    pen(p, c, 1.8);
    p.drawLine(from, to);
    QPointF d = to - from;
    double len = std::hypot(d.x(), d.y());
    if (len <= 0)
        return;
    QPointF u = d / len, n(-u.y(), u.x());
    p.setBrush(c);
    p.drawPolygon(QPolygonF({to, to - u * 4 + n * 3, to - u * 4 - n * 3}));
}

void paintIcon(QPainter &p, const QString &key) {
    if (key == "open") {
        p.setBrush(kGold);
        pen(p, kInk, 1.2);
        p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(9, 6), QPointF(11, 8), QPointF(20, 8),
                                 QPointF(20, 20), QPointF(2, 20)}));
        p.setBrush(QColor(250, 210, 100));
        p.drawPolygon(
            QPolygonF({QPointF(5, 11), QPointF(23, 11), QPointF(20, 20), QPointF(2, 20)}));
    } else if (key == "save") {
        floppy(p, 0, 0, 1.0);
    } else if (key == "saveas") {
        floppy(p, 0, 0, 0.85);
        pen(p, kRed, 2.2);
        p.drawLine(QPointF(12, 21), QPointF(22, 11));
        p.setBrush(kGold);
        pen(p, kInk, 1);
        p.drawPolygon(QPolygonF({QPointF(12, 21), QPointF(11, 23), QPointF(13, 22.5)}));
    } else if (key == "opz") {
        p.setBrush(QColor(150, 160, 175));
        pen(p, kInk, 1.2);
        QPainterPath gear;
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(12, 12);
            p.rotate(45.0 * i);
            p.drawRect(QRectF(-2, -10.5, 4, 5));
            p.restore();
        }
        p.drawEllipse(QPointF(12, 12), 7, 7);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(12, 12), 3, 3);
    } else if (key == "exit") {
        p.setBrush(QColor(160, 110, 70));
        pen(p, kInk, 1.2);
        p.drawRect(QRectF(4, 2, 11, 20));
        arrow(p, QPointF(11, 12), QPointF(22, 12), kRed);
    } else if (key == "zmeno") {
        lens(p, "-");
    } else if (key == "zpiu") {
        lens(p, "+");
    } else if (key == "zoom") {
        lens(p, "box");
    } else if (key == "zest") {
        pen(p, kInk, 1.4);
        p.setBrush(kPaper);
        p.drawRect(QRectF(3, 3, 18, 18));
        wallElevation(p, QRectF(9, 6, 6, 12));
        pen(p, kBlue, 1.6);
        for (auto c : {QPointF(3, 3), QPointF(21, 3), QPointF(3, 21), QPointF(21, 21)}) {
            double sx = c.x() < 12 ? 1 : -1, sy = c.y() < 12 ? 1 : -1;
            p.drawLine(c, c + QPointF(4 * sx, 0));
            p.drawLine(c, c + QPointF(0, 4 * sy));
        }
    } else if (key == "pan") {
        arrow(p, QPointF(12, 12), QPointF(12, 2), kInk);
        arrow(p, QPointF(12, 12), QPointF(12, 22), kInk);
        arrow(p, QPointF(12, 12), QPointF(2, 12), kInk);
        arrow(p, QPointF(12, 12), QPointF(22, 12), kInk);
    } else if (key == "zprec") {
        pen(p, kBlue, 2.2);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 5, 15, 15), 90 * 16, 250 * 16);
        p.setBrush(kBlue);
        pen(p, kBlue, 1);
        p.drawPolygon(QPolygonF({QPointF(12.5, 1.5), QPointF(12.5, 8.5), QPointF(7, 5)}));
    } else if (key == "sezor") {
        wallElevation(p, QRectF(7, 2, 10, 20));
        pen(p, kGreen, 2.2);
        p.drawLine(QPointF(2, 12), QPointF(22, 12));
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({QPointF(2, 12), QPointF(2, 7), QPointF(5, 12)}));
        p.drawPolygon(QPolygonF({QPointF(22, 12), QPointF(22, 7), QPointF(19, 12)}));
    } else if (key == "sezvr") {
        wallElevation(p, QRectF(2, 6, 20, 12));
        pen(p, kGreen, 2.2);
        p.drawLine(QPointF(12, 2), QPointF(12, 22));
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({QPointF(12, 2), QPointF(17, 2), QPointF(12, 5)}));
        p.drawPolygon(QPolygonF({QPointF(12, 22), QPointF(17, 22), QPointF(12, 19)}));
    } else if (key == "sezcanc") {
        wallElevation(p, QRectF(7, 2, 10, 20));
        pen(p, kGreen, 2.0);
        p.drawLine(QPointF(2, 12), QPointF(22, 12));
        pen(p, kRed, 2.6);
        p.drawLine(QPointF(4, 4), QPointF(20, 20));
        p.drawLine(QPointF(20, 4), QPointF(4, 20));
    } else if (key == "offsx" || key == "offdx") {
        bool left = key == "offsx";
        wallElevation(p, left ? QRectF(11, 3, 10, 18) : QRectF(3, 3, 10, 18));
        pen(p, kInk, 1.0);
        p.setPen(QPen(kInk, 1.0, Qt::DashLine));
        double x = left ? 4 : 20;
        p.drawLine(QPointF(x, 3), QPointF(x, 21));
        arrow(p, QPointF(left ? 11 : 13, 12), QPointF(left ? 4.5 : 19.5, 12), kRed);
    } else if (key == "undo" || key == "redo") {
        if (key == "redo") { // the same arrow, mirrored
            p.translate(24, 0);
            p.scale(-1, 1);
        }
        pen(p, kBlue, 2.4);
        p.setBrush(Qt::NoBrush);
        QPainterPath path;
        path.moveTo(7, 9);
        path.cubicTo(12, 5, 20, 7, 20, 13.5);
        path.cubicTo(20, 18, 16.5, 20, 13, 20);
        p.drawPath(path);
        p.setBrush(kBlue);
        pen(p, kBlue, 1);
        p.drawPolygon(QPolygonF({QPointF(2.5, 11), QPointF(8.5, 4.5), QPointF(10.5, 12.5)}));
    } else if (key == "compu") {
        sheet(p);
        pen(p, kInk, 1.1);
        for (double y = 10; y <= 19; y += 3) {
            p.drawLine(QPointF(7.5, y), QPointF(12, y));
            p.drawLine(QPointF(14, y), QPointF(18, y));
        }
        pen(p, kRed, 1.4);
        p.drawLine(QPointF(7.5, 6.5), QPointF(13, 6.5));
    }
}

} // namespace

QIcon commandIcon(const QString &key) {
    static const QStringList known = {"open",  "save",    "saveas", "opz",   "exit", "zmeno",
                                      "zpiu",  "zest",    "pan",    "zprec", "zoom", "sezor",
                                      "sezvr", "sezcanc", "offsx",  "offdx", "compu",
                                      "undo",  "redo"};
    if (!known.contains(key))
        return {};
    QIcon icon;
    for (int size : {24, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        paintIcon(p, key);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QCursor modeCursor(const QString &key) {
    // A crosshair whose centre is the hot spot, with the command's icon below and to the right.
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const auto &[colour, width] : {std::pair{QColor(Qt::white), 3}, {QColor(Qt::black), 1}}) {
        p.setPen(QPen(colour, width));
        p.drawLine(8, 0, 8, 16);
        p.drawLine(0, 8, 16, 8);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(14, 14);
    p.scale(18 / 24.0, 18 / 24.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawRoundedRect(QRectF(0, 0, 24, 24), 3, 3);
    paintIcon(p, key);
    p.end();
    return QCursor(pm, 8, 8);
}

QIcon applicationIcon() {
    // Drawn from the SVG installed for the desktop, so the window, the menu and the file
    // manager show the same icon.
    QSvgRenderer svg(QStringLiteral(":/murcad.svg"));
    QIcon icon;
    for (int size : {16, 32, 64, 128}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace murcad::app
