// Benchmarks of the print-ready sheets: a PDF of 101 walls at 1:50, one page per wall.
#include "sheets/sheet_batch.h"

#ifdef MURCAD_WITH_QT
#include "qtdraw/sheet_pdf.h"
#endif

#include <benchmark/benchmark.h>

#include <algorithm>
#include "example_batch.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace murcad;

namespace {

std::vector<std::string> batchOf101(const std::string &only = "") { return exampleBatch(101, only); }

SheetOptions at50() {
    SheetOptions o;
    o.request.scale = 50;
    o.texts = {"Residenza Le Querce", "ing. Rossi", "ing. Bianchi", "A"};
    o.date = "09/12/2026";
    return o;
}

// Loading, measuring and choosing the paper of every wall, without painting.
void BM_Plan101Walls(benchmark::State &state) {
    const std::vector<std::string> batch = batchOf101();
    std::size_t pages = 0;
    for (auto _ : state) {
        Wall wall;
        SheetPlan plan = planSheets(batch, at50(), wall);
        pages = plan.pages.size();
        benchmark::DoNotOptimize(plan);
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_Plan101Walls)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef MURCAD_WITH_QT
// The whole batch as `murcad-cli tavole` does it: plan, paint every page, write the PDF.
void pdfOf(benchmark::State &state, const std::vector<std::string> &batch) {
    const std::string out =
        (fs::temp_directory_path() / ("murcad_bench_" + std::to_string(::getpid()) + ".pdf"))
            .string();
    const LayerSettings layers = makeDefaultLayerSettings();
    SheetPdfResult r;
    std::size_t pages = 0;
    for (auto _ : state) {
        Wall wall;
        SheetPlan plan = planSheets(batch, at50(), wall);
        r = writeSheetsPdf(out, plan, layers, false);
        if (!r.written) {
            state.SkipWithError(r.error.c_str());
            break;
        }
        pages = plan.pages.size();
    }
    fs::remove(out);
    state.counters["pages"] = static_cast<double>(pages);
    state.counters["MB"] = static_cast<double>(r.bytes) / 1e6;
}

void BM_Pdf101ExampleWallsAt50(benchmark::State &state) { pdfOf(state, batchOf101()); }
BENCHMARK(BM_Pdf101ExampleWallsAt50)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Pdf101Realistic10StoreyWallsAt50(benchmark::State &state) {
    pdfOf(state, batchOf101("realistic"));
}
BENCHMARK(BM_Pdf101Realistic10StoreyWallsAt50)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

} // namespace

BENCHMARK_MAIN();
