// A sheet at true scale on ISO paper: paper choice, frame, title block place and drawing place.
#pragma once

#include "sheets/drawn_extents.h"
#include "sheets/paper.h"

#include <string>

namespace murcad {

/// A rectangle on the paper in millimetres from its top-left corner (y down).
struct PaperRect {
    float x = 0, y = 0, width = 0, height = 0;
    float right() const { return x + width; }
    float bottom() const { return y + height; }
};

/// What the user asked for: the scale 1:N, the paper and its orientation.
struct SheetRequest {
    double scale = 50; ///< N of 1:N
    int paper = kAutoPaper;
    Orientation orientation = Orientation::Auto;
};

/// Size of the title block (ISO 7200 asks for at most 180 mm width: it fits an A4 frame).
inline constexpr float kTitleBlockWidthMm = 180;
inline constexpr float kTitleBlockHeightMm = 36;

/// Where everything goes on one page.
struct PageLayout {
    bool fits = false;        ///< false: nothing to print, see message and proposedScale
    std::string message;      ///< why it does not fit (Italian, names the scale and the paper)
    double proposedScale = 0; ///< the largest standard scale that fits, 0 when none does
    int paper = 0;            ///< index into kIsoPapers
    Orientation orientation = Orientation::Portrait;
    float pageWidthMm = 0, pageHeightMm = 0;
    PaperRect frame;      ///< the frame line
    PaperRect titleBlock; ///< lower right corner of the frame
    PaperRect drawing;    ///< the printed drawing (its extents at scale)
    double scale = 50;
    DrawnExtents extents; ///< the world rectangle printed in `drawing`

    /// Millimetres of paper per centimetre of wall: 10 / N.
    double mmPerCm() const { return 10.0 / scale; }
    /// Paper position of a world point.
    double paperX(double worldX) const { return drawing.x + (worldX - extents.left) * mmPerCm(); }
    double paperY(double worldY) const { return drawing.y + (extents.top - worldY) * mmPerCm(); }
};

/// Page size of a paper and orientation (portrait: the short side across).
void pageSize(int paper, Orientation orientation, float &widthMm, float &heightMm);

/// Lays out the drawing of the given world extents at the requested scale. With the automatic
/// paper the smallest A size that holds it is taken; with the automatic orientation the one
/// that holds it (the drawing's own proportion decides when both do). When nothing fits, fits
/// is false, message says so and proposedScale is the largest standard scale that fits the
/// asked paper (A0 when automatic).
PageLayout layoutPage(const DrawnExtents &extents, const SheetRequest &request);

} // namespace murcad
