// Benchmark of the materials take-off and its RTF report over a batch of 101 walls.
#include "model/wall_file.h"
#include "takeoff/batch.h"
#include "takeoff/report_rtf.h"
#include "geometry/cp1252.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace murcad;

namespace {

const std::string kExamples = MURCAD_EXAMPLES_DIR;

/// 101 wall files cycling through the realistic samples (the stress wall has 40 storeys).
std::vector<std::string> batchFiles() {
    const char *names[] = {
        "realistic_10_storeys.PAR", "stress_40_storeys.PAR", "diagonal.PAR", "offsets.PAR",
        "no_edge_zones.PAR",        "tall_storey.PAR"};
    std::vector<std::string> files;
    for (int k = 0; k < 101; ++k)
        files.push_back(kExamples + "/" + names[k % 6]);
    return files;
}

/// The whole batch as the take-off dialog runs it: load each file, take it off, write the RTF.
void BM_BatchTakeoffAndRtfFromFiles(benchmark::State &state) {
    std::vector<std::string> files = batchFiles();
    for (auto _ : state) {
        Wall wall;
        TakeoffRun run = takeOffFiles(files, wall);
        std::string rtf = utf8ToCp1252(computoRtf(run, {true, ','}), ControlChars::Keep);
        if (run.WallsComputed != 101)
            state.SkipWithError("a sample wall did not load");
        benchmark::DoNotOptimize(rtf.data());
    }
}
BENCHMARK(BM_BatchTakeoffAndRtfFromFiles)->Unit(benchmark::kMillisecond);

/// Take-off and RTF only, the walls already in memory.
void BM_TakeoffAndRtfOfLoadedWalls(benchmark::State &state) {
    std::vector<Wall> walls;
    for (const std::string &f : batchFiles()) {
        Wall w;
        if (!loadWall(f, w).ok()) {
            state.SkipWithError("a sample wall did not load");
            return;
        }
        walls.push_back(w);
    }
    for (auto _ : state) {
        TakeoffRun run;
        run.batch = true;
        for (const Wall &w : walls)
            addToRun(run, takeOffWall(w));
        std::string rtf = utf8ToCp1252(computoRtf(run, {true, ','}), ControlChars::Keep);
        benchmark::DoNotOptimize(rtf.data());
    }
}
BENCHMARK(BM_TakeoffAndRtfOfLoadedWalls)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
