// The batch of example walls the batch benchmarks run over.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

/// The example walls in name order (or those whose name holds `only`), repeated up to `count`.
inline std::vector<std::string> exampleBatch(int count, const std::string &only = "") {
    std::vector<std::string> examples;
    for (const auto &e : std::filesystem::directory_iterator(MURCAD_EXAMPLES_DIR))
        if (e.path().extension() == ".PAR" &&
            (only.empty() || e.path().filename().string().find(only) != std::string::npos))
            examples.push_back(e.path().string());
    std::sort(examples.begin(), examples.end());
    std::vector<std::string> batch;
    for (int i = 0; i < count && !examples.empty(); ++i)
        batch.push_back(examples[i % examples.size()]);
    return batch;
}
