// DXF entity writers: LINE, CIRCLE and TEXT in DXF units, each ended by its "  0" line.
#include "dxf/dxf_entities.h"

#include <cmath>

namespace murcad {

namespace {
constexpr std::string_view kZero = "0.0"; // every entity lies in the plane z = 0
constexpr float kSmallTextHeight = 0.1f;
} // namespace

void writeDxfLine(DxfTagWriter &w, float x1, float y1, float x2, float y2,
                  std::string_view layerName, int lineStyle) {
    w.line("LINE");
    w.tag(8, layerName);
    switch (lineStyle) {
    case 1:
        w.tag(6, "DASHED");
        break;
    case 2:
        w.tag(6, "CONTINUOUS");
        break;
    case 3:
        w.tag(6, "DASHDOT");
        break;
    default:
        break;
    }
    w.tagNumber(10, x1);
    w.tagNumber(20, y1);
    w.tag(30, kZero);
    w.tagNumber(11, x2);
    w.tagNumber(21, y2);
    w.tag(31, kZero);
    w.code(0);
    w.maybeFlush();
}

void writeDxfCircle(DxfTagWriter &w, float x, float y, float r, std::string_view layerName) {
    w.line("CIRCLE");
    w.tag(8, layerName);
    w.tagNumber(10, x);
    w.tagNumber(20, y);
    w.tag(30, kZero);
    w.tagNumber(40, r);
    w.code(0);
    w.maybeFlush();
}

void writeDxfText(DxfTagWriter &w, float x, float y, std::string_view text,
                  std::string_view layerName, float angleDeg, float height, int hAlign) {
    w.line("TEXT");
    w.tag(8, layerName);
    // The offsets are applied in single precision, as the anchor itself is a Single.
    w.tagNumber(10, x - 0.21f);
    w.tagNumber(20, y - 0.12f);
    w.tag(30, kZero);
    // Two decimals as a rule; a small height (a small scale such as 1:1000) keeps six, since
    // two would round it to twice its size or to nothing.
    if (std::fabs(height) < kSmallTextHeight)
        w.tagNumber(40, height);
    else
        w.tagFixed(40, height, 2);
    w.tag(1, text);
    w.tagNumber(50, angleDeg);
    w.tagInt(72, hAlign);
    w.tagNumber(11, x);
    w.tagNumber(21, y);
    w.tag(31, kZero);
    w.tag(73, "  2");
    w.code(0);
    w.maybeFlush();
}

} // namespace murcad
