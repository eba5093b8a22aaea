// Drawing area: sheet image cache drawn from the model, rubber band overlay, mouse forwarding.
#include "drawing_area.h"

#include "qtdraw/painter_surface.h"
#include "drawings/sheet.h"
#include "drawings/storey_frame.h"

#include <QMouseEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>

namespace murcad::app {

int buttonBit(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return kMiddleButton;
    default:
        return 0;
    }
}

int buttonBits(Qt::MouseButtons b) {
    int bits = 0;
    if (b & Qt::LeftButton)
        bits |= kLeftButton;
    if (b & Qt::RightButton)
        bits |= kRightButton;
    if (b & Qt::MiddleButton)
        bits |= kMiddleButton;
    return bits;
}

DrawingArea::DrawingArea(const Wall &wall, ViewWindow &view, const LayerSettings &layers,
                         const ViewToolData &tool, QWidget *parent)
    : QWidget(parent), wall_(wall), view_(view), layers_(layers), tool_(tool) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setMinimumSize(200, 150);
    setFocusPolicy(Qt::ClickFocus);
}

void DrawingArea::redrawSheet() {
    dirty_ = true;
    update();
}

void DrawingArea::renderNow() {
    // The image has the screen's own pixels (sharp on high-density screens); the painter and
    // the view work in the widget's logical pixels, as the mouse does.
    QSize size = this->size().expandedTo(QSize(1, 1));
    qreal ratio = devicePixelRatioF();
    QSize physical(qRound(size.width() * ratio), qRound(size.height() * ratio));
    if (image_.size() != physical)
        image_ = QImage(physical, QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    view_.BoxWidthPx = static_cast<float>(size.width());
    view_.BoxHeightPx = static_cast<float>(size.height());
    image_.fill(PainterSurface::backgroundColour(layers_));
    QPainter p(&image_);
    PainterSurface surface(p, view_, layers_);
    SheetResult r = redraw(surface, wall_);
    if (wall_.TotalHeight > 0)
        elevationX_ = r.ElevationX;
    dirty_ = false;
    ++redrawCount_;
}

void DrawingArea::setHighlight(std::optional<SectionHit> cut) {
    if (cut == highlight_)
        return;
    highlight_ = cut;
    update();
}

void DrawingArea::paintHighlight(QPainter &p) {
    if (!highlight_ || wall_.TotalHeight <= 0)
        return;
    // The mark of the cut as the delete click finds it, widened to a bright bar.
    const SectionHit &h = *highlight_;
    float x1, y1, x2, y2;
    if (h.horizontal) {
        if (h.index < 0 || h.index >= wall_.horizSectionCount())
            return;
        const HorizSection &s = wall_.HorizSections[h.index];
        x1 = elevationX_ + s.X1 - 100, y1 = s.Y1, x2 = elevationX_ + s.X2 + 100, y2 = s.Y2;
    } else {
        if (h.index < 0 || h.index >= wall_.vertSectionCount())
            return;
        const VertSection &s = wall_.VertSections[h.index];
        x1 = elevationX_ + s.X1, y1 = s.Y1 - 100, x2 = elevationX_ + s.X2, y2 = s.Y2 + 100;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 150, 0, 170), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(view_.screenX(x1), view_.screenY(y1)),
               QPointF(view_.screenX(x2), view_.screenY(y2)));
}

void DrawingArea::setStoreyFlags(std::vector<StoreyFlag> flags) {
    flags_ = std::move(flags);
    update();
}

QRectF DrawingArea::storeyFlagRect(int storey) const {
    if (storey < 0 || storey >= wall_.storeyCount() || wall_.TotalHeight <= 0)
        return {};
    // Right of the level figure at the storey's bottom (the figure is about 30 cm wide), at
    // the figure's height; the offset is counted twice so the flag clears the figure wherever
    // the mark stands.
    const StoreyFrame f = storeyFrame(wall_, storey, elevationX_);
    float x = view_.screenX(f.xR + wall_.Storeys[storey].OffsetRight + 60);
    float y = view_.screenY(f.Y + 15);
    float r = std::clamp(7 * view_.ViewScale, 5.0f, 12.0f);
    return QRectF(x - r, y - r, 2 * r, 2 * r);
}

void DrawingArea::paintEvent(QPaintEvent *) {
    if (dirty_ || image_.deviceIndependentSize().toSize() != size())
        renderNow();
    QPainter p(this);
    p.drawImage(0, 0, image_);
    paintHighlight(p);
    if (!flags_.empty()) {
        p.setRenderHint(QPainter::Antialiasing);
        for (const StoreyFlag &flag : flags_) {
            QRectF r = storeyFlagRect(flag.storey);
            if (r.isEmpty())
                continue;
            p.setPen(QPen(Qt::white, 1));
            p.setBrush(QColor(210, 0, 0));
            p.drawEllipse(r);
            QFont font = p.font();
            font.setBold(true);
            font.setPixelSize(std::max(8, static_cast<int>(r.height() * 0.8)));
            p.setFont(font);
            p.drawText(r, Qt::AlignCenter, QStringLiteral("!"));
        }
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    if (tool_.BandShown) {
        // A dotted frame in the colour that stands out on the background.
        const BandRect &b = tool_.Band;
        QColor c = layers_.LightBackground ? Qt::black : Qt::white;
        p.setPen(QPen(c, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(QPoint(b.left, b.top), QPoint(b.right, b.bottom)));
    }
}

bool DrawingArea::event(QEvent *e) {
    if (e->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(e);
        for (const StoreyFlag &flag : flags_) {
            if (storeyFlagRect(flag.storey).adjusted(-3, -3, 3, 3).contains(help->pos())) {
                QToolTip::showText(help->globalPos(), flag.text, this);
                return true;
            }
        }
        QToolTip::hideText();
        e->ignore();
        return true;
    }
    return QWidget::event(e);
}

void DrawingArea::resizeEvent(QResizeEvent *) {
    view_.BoxWidthPx = static_cast<float>(width());
    view_.BoxHeightPx = static_cast<float>(height());
    if (onResized)
        onResized();
    redrawSheet();
}

void DrawingArea::mousePressEvent(QMouseEvent *e) {
    if (onMousePress)
        onMousePress(buttonBit(e->button()), e->position().x(), e->position().y());
}

void DrawingArea::mouseMoveEvent(QMouseEvent *e) {
    if (onMouseMove)
        onMouseMove(buttonBits(e->buttons()), e->position().x(), e->position().y());
}

void DrawingArea::mouseReleaseEvent(QMouseEvent *e) {
    if (onMouseRelease)
        onMouseRelease(buttonBit(e->button()), e->position().x(), e->position().y());
}

void DrawingArea::wheelEvent(QWheelEvent *e) {
    // One step per notch (120 units); touchpads deliver smaller pieces that add up.
    wheelRemainder_ += e->angleDelta().y();
    while (wheelRemainder_ >= 120 || wheelRemainder_ <= -120) {
        bool up = wheelRemainder_ > 0;
        wheelRemainder_ += up ? -120 : 120;
        if (onWheel)
            onWheel(up, e->position().x(), e->position().y());
    }
    e->accept();
}

} // namespace murcad::app
