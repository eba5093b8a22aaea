// The Qt painter drawing surface: lines, dotted lines, circles and turned texts in layer colours.
#include "app/qtdraw/painter_surface.h"

#include <QFontMetricsF>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {
// Lines beyond this many pixels off the box are not worth handing to the rasteriser.
constexpr float kFar = 1.0e6f;
bool finite(float v) { return std::isfinite(v) && std::abs(v) < kFar; }
} // namespace

PainterSurface::PainterSurface(QPainter &painter, const ViewWindow &view,
                               const LayerSettings &layers)
    : painter_(painter), view_(view), layers_(layers) {
    font_.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("DejaVu Sans")});
    font_.setStyleHint(QFont::SansSerif);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

QColor PainterSurface::backgroundColour(const LayerSettings &layers) {
    return layers.LightBackground ? QColor(Qt::white) : QColor(Qt::black);
}

QColor PainterSurface::layerColour(int layer) const {
    Rgb c = layerScreenColour(layers_, layer);
    return QColor(rgbRed(c), rgbGreen(c), rgbBlue(c));
}

void PainterSurface::clear() {
    painter_.save();
    painter_.resetTransform();
    painter_.fillRect(QRectF(0, 0, view_.BoxWidthPx, view_.BoxHeightPx),
                      backgroundColour(layers_));
    painter_.restore();
}

void PainterSurface::drawLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) {
    float px1 = screenX(x1), py1 = screenY(y1), px2 = screenX(x2), py2 = screenY(y2);
    if (!finite(px1) || !finite(py1) || !finite(px2) || !finite(py2))
        return;
    // Dashed and dash-dot lines are dotted on screen; the pen is set per line, so the next
    // line is solid again.
    QPen pen(layerColour(layer));
    pen.setWidth(0);
    if (lineStyle == Dashed || lineStyle == DashDot)
        pen.setStyle(Qt::DotLine);
    painter_.setPen(pen);
    painter_.drawLine(QPointF(px1, py1), QPointF(px2, py2));
}

void PainterSurface::screenLine(float px1, float py1, float px2, float py2, int layer) {
    if (!finite(px1) || !finite(py1) || !finite(px2) || !finite(py2))
        return;
    QPen pen(layerColour(layer));
    pen.setWidth(0);
    painter_.setPen(pen);
    painter_.drawLine(QPointF(px1, py1), QPointF(px2, py2));
}

void PainterSurface::screenCircle(float cx, float cy, float radiusPx, int layer) {
    if (!finite(cx) || !finite(cy) || !finite(radiusPx))
        return;
    QPen pen(layerColour(layer));
    pen.setWidth(0);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(QPointF(cx, cy), radiusPx, radiusPx);
}

void PainterSurface::screenText(int px, int py, int heightPx, int widthPx, int angleDeg,
                                std::string_view text, int layer) {
    // Texts below two pixels are unreadable specks; skipping them keeps far views fast.
    if (heightPx < 2 || text.empty() || !finite(float(px)) || !finite(float(py)))
        return;
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QFont f = font_;
    f.setPixelSize(heightPx);
    // The asked character width is a mean width: stretch the font to match it.
    QFontMetricsF fm(f);
    qreal mean = fm.averageCharWidth();
    if (widthPx > 0 && mean > 0) {
        int stretch = static_cast<int>(std::lround(100.0 * widthPx / mean));
        f.setStretch(std::clamp(stretch, 25, 400));
    }
    painter_.setFont(f);
    painter_.setPen(layerColour(layer));
    painter_.save();
    painter_.translate(px, py);
    // Anticlockwise on the screen is a negative rotation in Qt's y-down frame.
    if (angleDeg != 0)
        painter_.rotate(-angleDeg);
    QFontMetricsF fm2(f);
    painter_.drawText(QPointF(0, fm2.ascent()), s);
    painter_.restore();
}

} // namespace murcad
