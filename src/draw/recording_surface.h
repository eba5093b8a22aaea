// A surface that records every primitive it receives, for tests and measurements.
#pragma once

#include "draw/surface.h"
#include "geometry/view.h"

#include <string>
#include <vector>

namespace murcad {

/// One recorded primitive. DXF-side entities carry DXF units; screen-side ones pixels,
/// except world lines on a screen recorder, which keep their world coordinates too.
struct RecordedEntity {
    enum Kind { Line, Circle, Text, ScreenLine, ScreenCircle, ScreenText };
    Kind kind = Line;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0; ///< line ends; circle/text anchor in x1, y1
    float radius = 0;
    int layer = 0;
    int lineStyle = 0;
    std::string text;
    float angle = 0;
    float height = 0; ///< DXF text height, or screen text height in pixels
    int widthPx = 0;
    int hAlign = 0;
    float worldX1 = 0, worldY1 = 0, worldX2 = 0, worldY2 = 0; ///< world line ends
};

/// Records primitives instead of drawing them. As a DXF recorder (the default) it applies
/// the DXF transform (DxfScale, DxfOffsetX, DxfOffsetY) to world lines as a DXF writer does;
/// as a screen recorder it applies the view window.
class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(bool dxf = true) : dxf_(dxf) {
        view.BoxWidthPx = 1000;
        view.BoxHeightPx = 1000;
    }

    float DxfScale = 1;
    float DxfOffsetX = 0;
    float DxfOffsetY = 0;
    ViewWindow view; ///< screen transform (ViewScale 1, box 1000 x 1000 by default)
    int clearCount = 0;
    std::vector<RecordedEntity> entities;

    bool isDxf() const override { return dxf_; }
    void drawLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) override;
    float screenX(float x) const override { return view.screenX(x); }
    float screenY(float y) const override { return view.screenY(y); }
    float viewScale() const override { return view.ViewScale; }
    void screenText(int px, int py, int heightPx, int widthPx, int angleDeg, std::string_view text,
                    int layer) override;
    void screenCircle(float cx, float cy, float radiusPx, int layer) override;
    void screenLine(float px1, float py1, float px2, float py2, int layer) override;
    void clear() override { ++clearCount; }

    float dxfX(float x) const override { return (DxfOffsetX + x) * DxfScale; }
    float dxfY(float y) const override { return (DxfOffsetY + y) * DxfScale; }
    float dxfScale() const override { return DxfScale; }
    void dxfLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) override;
    void dxfCircle(float x, float y, float r, int layer) override;
    void dxfText(float x, float y, std::string_view text, int layer, float angleDeg, float height,
                 int hAlign) override;

    /// Every recorded text (DXF or screen), in order.
    std::vector<std::string> texts() const;
    /// The recorded entities of one kind.
    std::vector<RecordedEntity> ofKind(RecordedEntity::Kind kind) const;
    /// The first recorded text equal to s, or nullptr.
    const RecordedEntity *findText(std::string_view s) const;
    /// Lines (world or DXF, not screen lines) on a layer.
    std::vector<RecordedEntity> linesOnLayer(int layer) const;

private:
    bool dxf_;
};

} // namespace murcad
