// Fuzz target: the wall data file reader on any bytes.
#include "model/wall_file.h"
#include "model/wall_validation.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    murcad::Wall wall;
    std::string text(reinterpret_cast<const char *>(data), size);
    murcad::LoadResult r = murcad::readWallData(text, "FUZZ.PAR", wall);
    std::string problem;
    // A wall that loads is within bounds; one that does not leaves the wall untouched.
    if (r.ok() && !murcad::checkWallBounds(wall, problem))
        std::abort();
    if (r.outcome == murcad::LoadOutcome::Failed && !(wall == murcad::Wall{}))
        std::abort();
    return 0;
}
