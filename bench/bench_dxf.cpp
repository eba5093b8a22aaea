// Benchmarks of the DXF export: 101 walls (the example walls repeated) into one DXF file.
#include "dxf/dxf_file.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include "example_batch.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace murcad;

namespace {

std::vector<std::string> batchOf101(const std::string &only = "") { return exampleBatch(kMaxDxfWalls, only); }

std::string outputPath() {
    return (fs::temp_directory_path() / ("murcad_bench_" + std::to_string(::getpid()) + ".dxf"))
        .string();
}

// The whole export as the program does it: load each file, draw, write, rename into place.
void exportToFile(benchmark::State &state, const std::vector<std::string> &batch) {
    if (batch.empty()) {
        state.SkipWithError("no example walls");
        return;
    }
    LayerSettings layers = makeDefaultLayerSettings();
    std::string out = outputPath();
    std::size_t bytes = 0;
    for (auto _ : state) {
        Wall wall;
        DxfWriteResult r = writeDxf(out, MURCAD_DATA_DIR, batch, layers, wall);
        if (!r.written) {
            state.SkipWithError(r.error.c_str());
            break;
        }
        bytes = r.bytes;
    }
    fs::remove(out);
    state.counters["walls"] = static_cast<double>(batch.size());
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_Export101ExampleWalls(benchmark::State &state) { exportToFile(state, batchOf101()); }
BENCHMARK(BM_Export101ExampleWalls)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

void BM_Export101Realistic10StoreyWalls(benchmark::State &state) {
    exportToFile(state, batchOf101("realistic"));
}
BENCHMARK(BM_Export101Realistic10StoreyWalls)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2);

// The same batch without the disk: loading, drawing and formatting, passed on to /dev/null.
void BM_Export101ExampleWallsWithoutDisk(benchmark::State &state) {
    std::vector<std::string> batch = batchOf101();
    LayerSettings layers = makeDefaultLayerSettings();
    std::FILE *null = std::fopen("/dev/null", "wb");
    std::size_t bytes = 0;
    for (auto _ : state) {
        DxfTagWriter writer(null);
        Wall wall;
        DxfBatchReport r = fileDxf(writer, batch, layers, wall);
        writer.flush();
        bytes = writer.bytesWritten();
        benchmark::DoNotOptimize(r.drawn);
    }
    std::fclose(null);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_Export101ExampleWallsWithoutDisk)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

BENCHMARK_MAIN();
