// The drawing area of the main window: shows the sheet and reports mouse and wheel events.
#pragma once

#include "colours/layers.h"
#include "geometry/section_pick.h"
#include "geometry/view.h"
#include "geometry/view_tool.h"
#include "model/wall.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

namespace murcad::app {

/// A storey whose detailing checks fail, flagged beside its level mark (on screen only).
struct StoreyFlag {
    int storey = 0;
    QString text; ///< the failed checks, shown when the pointer rests on the flag
};

/// Paints the sheet of a wall through the Qt painter surface, from the model every time it is
/// asked to redraw (panning redraws from the model, never from the file), with the zoom-window
/// rubber band on top. Mouse and wheel events go to the callbacks as button bits and pixels.
class DrawingArea : public QWidget {
    Q_OBJECT
public:
    DrawingArea(const Wall &wall, ViewWindow &view, const LayerSettings &layers,
                const ViewToolData &tool, QWidget *parent = nullptr);

    /// Marks the sheet for drawing again and schedules a repaint.
    void redrawSheet();
    /// Draws the sheet now into the cached image (tests and exports read it).
    void renderNow();
    /// The image of the last drawing.
    const QImage &sheetImage() const { return image_; }
    /// Where the last drawing put the elevation's reference axis.
    float elevationX() const { return elevationX_; }
    /// Number of complete redraws so far (tests check that panning redraws).
    int redrawCount() const { return redrawCount_; }
    /// The rubber band changed: repaint the overlay only.
    void bandChanged() { update(); }
    /// The cut chosen in the section list, drawn over its mark on the elevation (none: nothing).
    void setHighlight(std::optional<SectionHit> cut);
    std::optional<SectionHit> highlight() const { return highlight_; }
    /// The storeys to flag beside their level marks; drawn over the sheet, never into it.
    void setStoreyFlags(std::vector<StoreyFlag> flags);
    const std::vector<StoreyFlag> &storeyFlags() const { return flags_; }
    /// Centre and radius (pixels) of the flag of storey i on the sheet as last drawn.
    QRectF storeyFlagRect(int storey) const;

    std::function<void(int button, float x, float y)> onMousePress;
    std::function<void(int buttons, float x, float y)> onMouseMove;
    std::function<void(int button, float x, float y)> onMouseRelease;
    /// One wheel step (up: towards the screen) with the pointer at pixel (x, y).
    std::function<void(bool up, float x, float y)> onWheel;
    /// Called when the box changed size (the view keeps its bottom-left corner).
    std::function<void()> onResized;

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *) override;
    void mouseMoveEvent(QMouseEvent *) override;
    void mouseReleaseEvent(QMouseEvent *) override;
    void wheelEvent(QWheelEvent *) override;
    bool event(QEvent *) override;

private:
    void paintHighlight(QPainter &p);

    const Wall &wall_;
    ViewWindow &view_;
    const LayerSettings &layers_;
    const ViewToolData &tool_;
    QImage image_;
    bool dirty_ = true;
    float elevationX_ = 0;
    int redrawCount_ = 0;
    int wheelRemainder_ = 0;
    std::optional<SectionHit> highlight_;
    std::vector<StoreyFlag> flags_;
};

/// Button bits of a Qt button (left 1, right 2, middle 4).
int buttonBit(Qt::MouseButton b);
/// Button bits of a set of held Qt buttons.
int buttonBits(Qt::MouseButtons b);

} // namespace murcad::app
