// The mouse tools of the drawing area: zoom window with its rubber band, and pan.
#pragma once

#include "geometry/view.h"

namespace murcad {

/// Mouse buttons as bits (a move reports the set of buttons held).
enum MouseButtonBit : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

/// ViewTool values: 0 no tool, 2 zoom window waiting for the first corner, 3 waiting for the
/// second corner, 4 pan armed, 5 panning.
enum ViewToolState : int {
    kNoTool = 0,
    kZoomFirstCorner = 2,
    kZoomSecondCorner = 3,
    kPanArmed = 4,
    kPanning = 5,
};

/// The rubber band shown while a zoom window is dragged (box pixels).
struct BandRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const BandRect &) const = default;
};

/// State of the mouse tools. During a pan BandX1/BandY1 are the last pointer position;
/// BandX1 = -1 means no first corner taken yet.
struct ViewToolData {
    int ViewTool = kNoTool;
    int PrevViewTool = kNoTool;
    int BandX1 = -1, BandY1 = 0, BandX2 = 0, BandY2 = 0;
    BandRect Band;                ///< the rubber band rectangle last drawn
    bool BandShown = false;       ///< whether the band is on screen now
    float MouseX = 0, MouseY = 0; ///< position of the last button press (read by section edits)
};

/// Pointer the drawing area should show after an event.
enum class ToolCursor { Unchanged, Pan, Crosshair };

/// What an event asks the drawing area to do.
struct ToolOutcome {
    bool redraw = false;      ///< the view changed: draw the sheet again
    bool bandChanged = false; ///< the rubber band appeared, moved or went away
    ToolCursor cursor = ToolCursor::Unchanged;
};

/// "Zoom": the next press takes the first corner of a zoom window.
void armZoomWindow(ViewToolData &t);
/// "Trascina": the next drag pans the view.
void armPan(ViewToolData &t);

/// A button pressed at pixel (x, y). A middle press pans from any tool and returns to it.
ToolOutcome viewMouseDown(ViewToolData &t, ViewWindow &v, int button, float x, float y);
/// The pointer moved with the given buttons held.
ToolOutcome viewMouseMove(ViewToolData &t, ViewWindow &v, int buttons, float x, float y);
/// A button released. Releasing the left button after dragging a zoom window from its first
/// corner takes the release point as the second corner.
ToolOutcome viewMouseUp(ViewToolData &t, ViewWindow &v, int button, float x, float y);

/// Widens or heightens the band about its centre so that it has the box's proportions.
void fitBandToBox(ViewToolData &t, float boxWidth, float boxHeight);

} // namespace murcad
