// Loading the sample walls: the wall data file and the companion file.
#include "model/companion_file.h"
#include "model/wall_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

using namespace murcad;

static void loadExample(benchmark::State &state, const char *name) {
    // Work on a copy so no companion beside the example is created or read.
    auto dir = std::filesystem::temp_directory_path() / "murcad-bench-load";
    std::filesystem::create_directories(dir);
    std::string path = (dir / name).string();
    std::filesystem::copy_file(std::string(MURCAD_EXAMPLES_DIR) + "/" + name, path,
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(companionPath(path));
    for (auto _ : state) {
        Wall w;
        LoadResult r = loadWall(path, w);
        benchmark::DoNotOptimize(r);
    }
}

static void BM_LoadRealistic(benchmark::State &s) { loadExample(s, "realistic_10_storeys.PAR"); }
static void BM_LoadStress(benchmark::State &s) { loadExample(s, "stress_40_storeys.PAR"); }
BENCHMARK(BM_LoadRealistic);
BENCHMARK(BM_LoadStress);

BENCHMARK_MAIN();
