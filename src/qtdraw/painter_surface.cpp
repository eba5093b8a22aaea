// The Qt painter drawing surface: lines, dotted lines, circles and turned texts in layer colours.
#include "qtdraw/painter_surface.h"

#include <QFontMetricsF>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>

namespace murcad {

namespace {
// Circles beyond this many pixels off the box are not worth handing to the rasteriser.
constexpr float kFar = 1.0e7f;
bool finite(float v) {
    return std::isfinite(v) && std::abs(v) < kFar;
}

// Clips the segment to the rectangle xmin..xmax, ymin..ymax (Liang-Barsky). Returns false when
// nothing of it lies inside or a coordinate is not a number. Deep zooms put the ends of long
// lines millions of pixels away; clipping keeps them exact and cheap to rasterise.
bool clipSegment(double &x1, double &y1, double &x2, double &y2, double xmin, double ymin,
                 double xmax, double ymax) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        double r = q[i] / p[i];
        if (p[i] < 0) {
            if (r > t1)
                return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0)
                return false;
            t1 = std::min(t1, r);
        }
    }
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    return true;
}
} // namespace

PainterSurface::PainterSurface(QPainter &painter, const ViewWindow &view,
                               const LayerSettings &layers)
    : painter_(painter), view_(view), layers_(layers) {
    font_.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("DejaVu Sans")});
    font_.setStyleHint(QFont::SansSerif);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i <= kLayerCount; ++i) {
        Rgb c = layerScreenColour(layers_, i < kLayerCount ? i : -1);
        colours_[i] = QColor(rgbRed(c), rgbGreen(c), rgbBlue(c));
    }
}

void PainterSurface::setPrintStyle(const PrintStyle &style) {
    flush();
    print_ = style;
    for (int i = 0; i < kLayerCount; ++i)
        colours_[i] = style.colours[i];
    penKey_ = -1;
}

PainterSurface::~PainterSurface() {
    flush();
}

void PainterSurface::flushRings() {
    if (pendingRings_.empty())
        return;
    usePen(ringKey_, false);
    painter_.setBrush(Qt::NoBrush);
    for (const Ring &r : pendingRings_)
        painter_.drawEllipse(r.centre, r.radius, r.radius);
    pendingRings_.clear();
}

void PainterSurface::flush() {
    flushRings();
    if (pending_.empty())
        return;
    usePen(pendingKey_ / 2, pendingKey_ % 2 != 0);
    painter_.drawLines(pending_.data(), static_cast<int>(pending_.size()));
    pending_.clear();
}

void PainterSurface::queueLine(int key, double x1, double y1, double x2, double y2) {
    if (key != pendingKey_) {
        flush();
        pendingKey_ = key;
    }
    pending_.emplace_back(x1, y1, x2, y2);
}

void PainterSurface::usePen(int layer, bool dotted) {
    int index = (layer >= 0 && layer < kLayerCount) ? layer : kLayerCount;
    int key = index * 2 + (dotted ? 1 : 0);
    if (key == penKey_)
        return;
    QPen pen(colours_[index]);
    pen.setWidth(0);
    if (print_ && index < kLayerCount) {
        // Printed lines have their weight; dashes are measured on the paper, not in widths.
        const qreal w = std::max<qreal>(print_->widthsPx[index], 1);
        pen.setWidthF(w);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        if (dotted)
            pen.setDashPattern({print_->dashPx / w, print_->gapPx / w});
    } else if (dotted) {
        pen.setStyle(Qt::DotLine);
    }
    painter_.setPen(pen);
    penKey_ = key;
}

const PainterSurface::SizedFont &PainterSurface::fontFor(int heightPx, int widthPx) {
    if (lastFont_ && lastFont_->heightPx == heightPx && lastFont_->widthPx == widthPx)
        return *lastFont_;
    for (const SizedFont &f : fonts_)
        if (f.heightPx == heightPx && f.widthPx == widthPx) {
            lastFont_ = &f;
            return f;
        }
    QFont f = font_;
    f.setPixelSize(heightPx);
    // The asked character width is a mean width: stretch the font to match it.
    QFontMetricsF fm(f);
    qreal mean = fm.averageCharWidth();
    if (widthPx > 0 && mean > 0) {
        int stretch = static_cast<int>(std::lround(100.0 * widthPx / mean));
        f.setStretch(std::clamp(stretch, 25, 400));
    }
    fonts_.push_back({heightPx, widthPx, f, QFontMetricsF(f).ascent()});
    lastFont_ = &fonts_.back(); // earlier pointers may have moved with the vector
    return fonts_.back();
}

QColor PainterSurface::backgroundColour(const LayerSettings &layers) {
    return layers.LightBackground ? QColor(Qt::white) : QColor(Qt::black);
}

QColor PainterSurface::layerColour(int layer) const {
    return colours_[(layer >= 0 && layer < kLayerCount) ? layer : kLayerCount];
}

void PainterSurface::clear() {
    pending_.clear();
    pendingRings_.clear();
    painter_.save();
    painter_.resetTransform();
    painter_.fillRect(QRectF(0, 0, view_.BoxWidthPx, view_.BoxHeightPx),
                      print_ ? print_->background : backgroundColour(layers_));
    painter_.restore();
    penKey_ = -1;
}

void PainterSurface::drawLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) {
    // Transform in double: a deep zoom multiplies world centimetres by thousands.
    const double k = view_.ViewScale;
    double px1 = (double(x1) - view_.ViewLeft) * k, py1 = (view_.ViewBottom - double(y1)) * k;
    double px2 = (double(x2) - view_.ViewLeft) * k, py2 = (view_.ViewBottom - double(y2)) * k;
    py1 += view_.BoxHeightPx;
    py2 += view_.BoxHeightPx;
    if (!clipSegment(px1, py1, px2, py2, -2, -2, view_.BoxWidthPx + 2.0, view_.BoxHeightPx + 2.0))
        return;
    // Dashed and dash-dot lines are dotted on screen; the style is chosen per line, so the
    // next line is solid again.
    int index = (layer >= 0 && layer < kLayerCount) ? layer : kLayerCount;
    queueLine(index * 2 + ((lineStyle == Dashed || lineStyle == DashDot) ? 1 : 0), px1, py1, px2,
              py2);
}

void PainterSurface::screenLine(float px1, float py1, float px2, float py2, int layer) {
    double ax = px1, ay = py1, bx = px2, by = py2;
    if (!clipSegment(ax, ay, bx, by, -2, -2, view_.BoxWidthPx + 2.0, view_.BoxHeightPx + 2.0))
        return;
    int index = (layer >= 0 && layer < kLayerCount) ? layer : kLayerCount;
    queueLine(index * 2, ax, ay, bx, by);
}

void PainterSurface::screenCircle(float cx, float cy, float radiusPx, int layer) {
    if (!finite(cx) || !finite(cy) || !finite(radiusPx))
        return;
    if (cx + radiusPx < -2 || cy + radiusPx < -2 || cx - radiusPx > view_.BoxWidthPx + 2 ||
        cy - radiusPx > view_.BoxHeightPx + 2)
        return;
    // A ring smaller than a pixel would only blot the cross drawn with it.
    if (radiusPx < 0.75f)
        return;
    int index = (layer >= 0 && layer < kLayerCount) ? layer : kLayerCount;
    if (index != ringKey_) {
        flushRings();
        ringKey_ = index;
    }
    pendingRings_.push_back({QPointF(cx, cy), radiusPx});
}

void PainterSurface::screenText(int px, int py, int heightPx, int widthPx, int angleDeg,
                                std::string_view text, int layer) {
    // Texts below two pixels are unreadable specks; skipping them keeps far views fast.
    if (heightPx < 2 || text.empty())
        return;
    // A text lies within its length of its corner whatever its angle: skip it when that
    // neighbourhood is beside the box.
    const float reach = static_cast<float>(text.size()) * (widthPx + heightPx) + heightPx;
    if (px + reach < 0 || py + reach < 0 || px - reach > view_.BoxWidthPx ||
        py - reach > view_.BoxHeightPx)
        return;
    flush();
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const SizedFont &sized = fontFor(heightPx, widthPx);
    const qreal ascent = sized.ascent;
    painter_.setFont(sized.font);
    usePen(layer, false);
    if (angleDeg == 0) {
        painter_.drawText(QPointF(px, py + ascent), s);
        return;
    }
    painter_.save();
    painter_.translate(px, py);
    // Anticlockwise on the screen is a negative rotation in Qt's y-down frame.
    painter_.rotate(-angleDeg);
    painter_.drawText(QPointF(0, ascent), s);
    painter_.restore();
    penKey_ = -1; // restore() brought back an earlier pen
}

} // namespace murcad
