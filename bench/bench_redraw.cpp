// Full redraw of the example walls into a 1920x1080 image (screen) and into a DXF string.
#include "drawings/sheet.h"
#include "dxf/dxf_surface.h"
#include "dxf/dxf_tags.h"
#include "geometry/view.h"
#include "model/wall_file.h"

#ifdef MURCAD_WITH_QT
#include "qtdraw/painter_surface.h"
#include "qtdraw/render_sheet.h"
#include <QImage>
#include <QPainter>
#endif

#include <benchmark/benchmark.h>

#include <string>

namespace murcad {
namespace {

Wall loadExample(const char *name) {
    Wall w;
    LoadResult r = loadWall(std::string(MURCAD_EXAMPLES_DIR) + "/" + name, w);
    if (!r.ok())
        w = Wall{};
    return w;
}

void redrawDxf(benchmark::State &state, const char *name) {
    Wall w = loadExample(name);
    if (!(w.TotalHeight > 0)) {
        state.SkipWithError("example wall not loaded");
        return;
    }
    LayerSettings layers = makeDefaultLayerSettings();
    std::size_t bytes = 0;
    for (auto _ : state) {
        DxfTagWriter writer;
        DxfSurface s(writer, layers);
        SheetResult r = redraw(s, w);
        benchmark::DoNotOptimize(r);
        bytes = writer.text().size();
    }
    state.counters["dxf_bytes"] = static_cast<double>(bytes);
}

#ifdef MURCAD_WITH_QT
// The screen case as panning meets it: the whole sheet fitted in a 1920x1080 box.
void redrawImage(benchmark::State &state, const char *name) {
    ensureQtGui();
    Wall w = loadExample(name);
    if (!(w.TotalHeight > 0)) {
        state.SkipWithError("example wall not loaded");
        return;
    }
    LayerSettings layers = makeDefaultLayerSettings();
    ViewWindow v;
    v.BoxWidthPx = 1920;
    v.BoxHeightPx = 1080;
    fitSheet(v, computeSheetExtents(w));
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        PainterSurface s(p, v, layers);
        SheetResult r = redraw(s, w);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK_CAPTURE(redrawImage, realistic, "realistic_10_storeys.PAR")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(redrawImage, stress, "stress_40_storeys.PAR")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
#endif

BENCHMARK_CAPTURE(redrawDxf, realistic, "realistic_10_storeys.PAR")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(redrawDxf, stress, "stress_40_storeys.PAR")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace murcad

BENCHMARK_MAIN();
