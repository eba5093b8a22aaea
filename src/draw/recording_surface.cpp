// A surface that records every primitive it receives, for tests and measurements.
#include "draw/recording_surface.h"

namespace murcad {

void RecordingSurface::drawLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) {
    if (dxf_) {
        dxfLine(dxfX(x1), dxfY(y1), dxfX(x2), dxfY(y2), layer, lineStyle);
    } else {
        RecordedEntity e;
        e.kind = RecordedEntity::Line;
        e.x1 = screenX(x1);
        e.y1 = screenY(y1);
        e.x2 = screenX(x2);
        e.y2 = screenY(y2);
        e.layer = layer;
        e.lineStyle = lineStyle;
        entities.push_back(std::move(e));
    }
    RecordedEntity &e = entities.back();
    e.worldX1 = x1;
    e.worldY1 = y1;
    e.worldX2 = x2;
    e.worldY2 = y2;
}

void RecordingSurface::screenText(int px, int py, int heightPx, int widthPx, int angleDeg,
                                  std::string_view text, int layer) {
    RecordedEntity e;
    e.kind = RecordedEntity::ScreenText;
    e.x1 = static_cast<float>(px);
    e.y1 = static_cast<float>(py);
    e.height = static_cast<float>(heightPx);
    e.widthPx = widthPx;
    e.angle = static_cast<float>(angleDeg);
    e.text = std::string(text);
    e.layer = layer;
    entities.push_back(std::move(e));
}

void RecordingSurface::screenCircle(float cx, float cy, float radiusPx, int layer) {
    RecordedEntity e;
    e.kind = RecordedEntity::ScreenCircle;
    e.x1 = cx;
    e.y1 = cy;
    e.radius = radiusPx;
    e.layer = layer;
    entities.push_back(std::move(e));
}

void RecordingSurface::screenLine(float px1, float py1, float px2, float py2, int layer) {
    RecordedEntity e;
    e.kind = RecordedEntity::ScreenLine;
    e.x1 = px1;
    e.y1 = py1;
    e.x2 = px2;
    e.y2 = py2;
    e.layer = layer;
    entities.push_back(std::move(e));
}

void RecordingSurface::dxfLine(float x1, float y1, float x2, float y2, int layer, int lineStyle) {
    RecordedEntity e;
    e.kind = RecordedEntity::Line;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    e.layer = layer;
    e.lineStyle = lineStyle;
    entities.push_back(std::move(e));
}

void RecordingSurface::dxfCircle(float x, float y, float r, int layer) {
    RecordedEntity e;
    e.kind = RecordedEntity::Circle;
    e.x1 = x;
    e.y1 = y;
    e.radius = r;
    e.layer = layer;
    entities.push_back(std::move(e));
}

void RecordingSurface::dxfText(float x, float y, std::string_view text, int layer, float angleDeg,
                               float height, int hAlign) {
    RecordedEntity e;
    e.kind = RecordedEntity::Text;
    e.x1 = x;
    e.y1 = y;
    e.text = std::string(text);
    e.layer = layer;
    e.angle = angleDeg;
    e.height = height;
    e.hAlign = hAlign;
    entities.push_back(std::move(e));
}

std::vector<std::string> RecordingSurface::texts() const {
    std::vector<std::string> out;
    for (const RecordedEntity &e : entities)
        if (e.kind == RecordedEntity::Text || e.kind == RecordedEntity::ScreenText)
            out.push_back(e.text);
    return out;
}

std::vector<RecordedEntity> RecordingSurface::ofKind(RecordedEntity::Kind kind) const {
    std::vector<RecordedEntity> out;
    for (const RecordedEntity &e : entities)
        if (e.kind == kind)
            out.push_back(e);
    return out;
}

const RecordedEntity *RecordingSurface::findText(std::string_view s) const {
    for (const RecordedEntity &e : entities)
        if ((e.kind == RecordedEntity::Text || e.kind == RecordedEntity::ScreenText) && e.text == s)
            return &e;
    return nullptr;
}

std::vector<RecordedEntity> RecordingSurface::linesOnLayer(int layer) const {
    std::vector<RecordedEntity> out;
    for (const RecordedEntity &e : entities)
        if (e.kind == RecordedEntity::Line && e.layer == layer)
            out.push_back(e);
    return out;
}

} // namespace murcad
