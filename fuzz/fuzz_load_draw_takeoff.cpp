// Fuzz target: any wall that loads must draw (DXF and screen) and be taken off with finite
// numbers only.
#include "colours/layers.h"
#include "draw/recording_surface.h"
#include "drawings/sheet.h"
#include "dxf/dxf_surface.h"
#include "dxf/dxf_tags.h"
#include "geometry/view.h"
#include "model/wall_file.h"
#include "takeoff/batch.h"
#include "takeoff/report_rtf.h"
#include "takeoff/takeoff.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool hasNonFinite(const std::string &s) {
    return s.find("nan") != std::string::npos || s.find("inf") != std::string::npos ||
           s.find("NaN") != std::string::npos || s.find("INF") != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace murcad;
    Wall wall;
    std::string text(reinterpret_cast<const char *>(data), size);
    if (!readWallData(text, "FUZZ.PAR", wall).ok())
        return 0;

    LayerSettings layers = makeDefaultLayerSettings();
    DxfTagWriter writer;
    DxfSurface dxf(writer, layers);
    redraw(dxf, wall);
    if (hasNonFinite(writer.text()))
        std::abort();

    RecordingSurface screen(false);
    screen.view.BoxWidthPx = 1920;
    screen.view.BoxHeightPx = 1080;
    fitSheet(screen.view, computeSheetExtents(wall));
    redraw(screen, wall);
    for (const RecordedEntity &e : screen.entities)
        if (!std::isfinite(e.x1) || !std::isfinite(e.y1) || !std::isfinite(e.x2) ||
            !std::isfinite(e.y2))
            std::abort();

    TakeoffRun run = takeOffSingleWall(wall);
    if (hasNonFinite(computoRtf(run, ReportOptions{})))
        std::abort();
    for (const WallTakeoff &w : run.walls)
        if (!std::isfinite(w.WallSteel) || !std::isfinite(w.WallConcrete))
            std::abort();
    return 0;
}
