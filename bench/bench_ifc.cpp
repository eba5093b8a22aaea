// Benchmarks of the IFC export: the realistic 10-storey wall alone, and 101 walls (the example
// walls repeated) into one IFC file.
#include "dxf/dxf_file.h"
#include "ifc/ifc_export.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include "example_batch.h"

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace murcad;

namespace {

std::vector<std::string> batchOf(int count, const std::string &only = "") {
    return exampleBatch(count, only);
}

// The whole export as murcad-cli does it: load each file, lay out its bars, build the model,
// write it under a temporary name and rename it into place.
void exportToFile(benchmark::State &state, const std::vector<std::string> &batch) {
    if (batch.empty()) {
        state.SkipWithError("no example walls");
        return;
    }
    std::string out =
        (fs::temp_directory_path() / ("murcad_bench_" + std::to_string(::getpid()) + ".ifc"))
            .string();
    IfcWriteResult last;
    for (auto _ : state) {
        Wall wall;
        last = writeIfc(out, batch, wall);
        if (!last.written) {
            state.SkipWithError(last.error.c_str());
            break;
        }
    }
    fs::remove(out);
    state.counters["walls"] = static_cast<double>(last.exported());
    state.counters["bars"] = static_cast<double>(last.counts.bars);
    state.counters["MB"] = static_cast<double>(last.bytes) / 1e6;
}

void BM_IfcRealisticWall(benchmark::State &state) {
    exportToFile(state, batchOf(1, "realistic"));
}
BENCHMARK(BM_IfcRealisticWall)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1);

void BM_Ifc101ExampleWalls(benchmark::State &state) {
    exportToFile(state, batchOf(kMaxDxfWalls));
}
BENCHMARK(BM_Ifc101ExampleWalls)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// The same without the disk: loading, bar layout and the model's text in memory.
void BM_IfcRealisticWallInMemory(benchmark::State &state) {
    std::vector<std::string> batch = batchOf(1, "realistic");
    IfcFileInfo info;
    info.fileName = info.projectName = "bench";
    std::size_t bytes = 0;
    for (auto _ : state) {
        Wall wall;
        IfcWriteResult r;
        std::string text = buildIfc(batch, wall, info, r);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_IfcRealisticWallInMemory)->Unit(benchmark::kMillisecond)->MinTime(1);

} // namespace

BENCHMARK_MAIN();
