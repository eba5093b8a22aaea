// The Qt painter drawing surface: draws the sheet with a QPainter on a widget, image, SVG or PDF.
#pragma once

#include "colours/layers.h"
#include "draw/surface.h"
#include "geometry/view.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPainter>

#include <array>
#include <optional>
#include <vector>

namespace murcad {

/// Pens of a printed sheet: per layer a colour and a width in device pixels, a background, and
/// dashes of a set length for dashed and dash-dot lines (dotted lines of a hairline would vanish
/// on paper).
struct PrintStyle {
    std::array<QColor, kLayerCount> colours;
    std::array<qreal, kLayerCount> widthsPx{};
    qreal dashPx = 0;
    qreal gapPx = 0;
    QColor background = Qt::white;
};

/// A screen surface over any QPainter. World points are turned into pixels with the view
/// window (its BoxWidthPx/BoxHeightPx must be the size of the painted area); each layer is
/// painted in its screen colour; texts use a sans-serif font of the asked pixel height.
///
/// Use: `QPainter p(&image); PainterSurface s(p, view, layers); redraw(s, wall);`
/// The painter, view and layers must outlive the surface. Runs of lines of one colour and
/// style are handed to the painter together: they reach it at the latest when the surface is
/// destroyed or flush() is called, so end the painter only after that.
class PainterSurface : public Surface {
public:
    PainterSurface(QPainter &painter, const ViewWindow &view, const LayerSettings &layers);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface &) = delete;
    PainterSurface &operator=(const PainterSurface &) = delete;

    /// Paints the lines still waiting to be drawn.
    void flush();
    /// Draws with the pens of a printed sheet instead of the screen colours and hairlines.
    void setPrintStyle(const PrintStyle &style);

    bool isDxf() const override { return false; }
    void drawLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) override;

    float screenX(float x) const override { return view_.screenX(x); }
    float screenY(float y) const override { return view_.screenY(y); }
    float viewScale() const override { return view_.ViewScale; }
    void screenText(int px, int py, int heightPx, int widthPx, int angleDeg, std::string_view text,
                    int layer) override;
    void screenCircle(float cx, float cy, float radiusPx, int layer) override;
    void screenLine(float px1, float py1, float px2, float py2, int layer) override;
    /// Fills the whole painted area with the background colour.
    void clear() override;

    // The DXF side is never used on a screen surface.
    float dxfX(float) const override { return 0; }
    float dxfY(float) const override { return 0; }
    float dxfScale() const override { return 0; }
    void dxfLine(float, float, float, float, int, int) override {}
    void dxfCircle(float, float, float, int) override {}
    void dxfText(float, float, std::string_view, int, float, float, int) override {}

    /// Background colour: white with LightBackground set, black otherwise.
    static QColor backgroundColour(const LayerSettings &layers);
    /// The screen colour of a layer index (black outside 0..11).
    QColor layerColour(int layer) const;

private:
    /// Sets the pen for a layer and a dotted or solid stroke, unless it is already set.
    void usePen(int layer, bool dotted);

    QPainter &painter_;
    const ViewWindow &view_;
    const LayerSettings &layers_;
    QFont font_;
    std::array<QColor, kLayerCount + 1> colours_; ///< per layer, black last (out of range)
    std::optional<PrintStyle> print_;             ///< set for a printed sheet
    int penKey_ = -1;                             ///< layer * 2 + dotted of the pen set
    std::vector<QLineF> pending_;                 ///< lines waiting, all with pendingKey_
    int pendingKey_ = -1;
    struct Ring {
        QPointF centre;
        qreal radius;
    };
    std::vector<Ring> pendingRings_; ///< circles waiting, all with ringKey_
    int ringKey_ = -1;
    void flushRings();
    /// Queues a clipped line for the pen of key.
    void queueLine(int key, double x1, double y1, double x2, double y2);
    struct SizedFont {
        int heightPx;
        int widthPx;
        QFont font;
        qreal ascent;
    };
    /// The font for a text height and mean character width, made once per size.
    const SizedFont &fontFor(int heightPx, int widthPx);
    std::vector<SizedFont> fonts_;
    const SizedFont *lastFont_ = nullptr;
};

} // namespace murcad
