// The view window over the sheet: world-to-pixel transforms, sheet extents, fit and zoom steps.
#pragma once

#include "model/wall.h"

namespace murcad {

/// The part of the sheet shown in the drawing box, and the box's size in pixels.
/// World coordinates are centimetres with y upwards; pixels have y downwards.
struct ViewWindow {
    float ViewLeft = 0;   ///< world x at the left edge of the box
    float ViewRight = 0;  ///< world x at the right edge
    float ViewBottom = 0; ///< world y at the bottom edge
    float ViewTop = 0;    ///< world y at the top edge
    float ViewScale = 1;  ///< box pixels per world centimetre

    float PrevViewLeft = 0; ///< the previous view, for "Vista precedente"
    float PrevViewRight = 0;
    float PrevViewBottom = 0;
    float PrevViewTop = 0;

    float BoxWidthPx = 1;  ///< drawing box width in pixels
    float BoxHeightPx = 1; ///< drawing box height in pixels

    /// Pixel column of world x (ScreenX).
    float screenX(float x) const { return (x - ViewLeft) * ViewScale; }
    /// Pixel row of world y (ScreenY): world y = ViewBottom falls on the bottom row.
    float screenY(float y) const { return (ViewBottom - y) * ViewScale + BoxHeightPx; }
    /// World x of a pixel column (WorldX), the inverse of screenX.
    float worldX(float px) const { return ViewLeft + px / ViewScale; }
    /// World y of a pixel row (WorldY), the inverse of screenY.
    float worldY(float py) const { return ViewBottom + (BoxHeightPx - py) / ViewScale; }
};

/// The world rectangle the whole sheet needs (SheetLeft..SheetRight, SheetBottom..SheetTop).
struct SheetExtents {
    float SheetLeft = -100;
    float SheetRight = 400;
    float SheetBottom = -100;
    float SheetTop = 200;
    float SectionWidthMax = 0; ///< longest storey among those cut by horizontal sections
};

/// Pixels per centimetre that show left..right and bottom..top whole in the box: the smaller
/// of the two axis scales; 1.0 when the width or the height is exactly 0.
float computeViewScale(const ViewWindow &v, float left, float bottom, float right, float top);

/// Recomputes ViewScale from the four view edges.
void updateViewScale(ViewWindow &v);

/// The sheet extents of a wall: its storeys, its horizontal sections (for the width of the
/// section column) and its vertical sections, with a margin of 100 cm all round.
SheetExtents computeSheetExtents(const Wall &wall);

/// Shows the whole sheet centred in the box (does not touch the previous view).
void fitSheet(ViewWindow &v, const SheetExtents &sheet);

/// Copies the four view edges to the previous view.
void copyToPreviousView(ViewWindow &v);

/// "Vista totale": copies the view to the previous view, then fits the sheet.
void showWholeSheet(ViewWindow &v, const SheetExtents &sheet);

/// "Allontana": widens the view by 5% of its size on every side, about its centre.
void zoomOutStep(ViewWindow &v);

/// "Avvicina": narrows the view by 5% on every side while it is wider than 0.3 cm. The view
/// is copied to the previous view even when nothing changes. Returns true when it changed.
bool zoomInStep(ViewWindow &v);

/// Mouse wheel: up zooms in (while the view is wider than 5 cm), down zooms out, by the same
/// 5% a side as the zoom commands, about the pointer at pixel (px, py): the point of the sheet
/// under the pointer stays under it. The view is copied to the previous view when the step
/// starts a burst of wheel steps (so that "Vista precedente" goes back before the whole burst),
/// also when the step changes nothing. Returns true when the view changed (redraw needed).
bool mouseWheelStep(ViewWindow &v, bool up, float px, float py, bool startsBurst = true);

/// Moves the view by a fraction of its width (fx, to the right when positive) and of its height
/// (fy, upwards when positive), as the arrow keys do. The previous view is not touched.
void panViewByFraction(ViewWindow &v, float fx, float fy);

/// "Vista precedente": exchanges the view with the previous view; twice returns to the start.
void swapPreviousView(ViewWindow &v);

/// Moves the view by a mouse drag from pixel (fromX, fromY) to (toX, toY): the drawing
/// follows the pointer. The previous view is not touched.
void panView(ViewWindow &v, float fromX, float fromY, float toX, float toY);

/// Zoom window: copies the view to the previous view and shows the pixel rectangle
/// left..right, top..bottom (already fitted to the box proportions by the caller).
void zoomToPixelRect(ViewWindow &v, float left, float top, float right, float bottom);

} // namespace murcad
