// Fuzz target: the companion file reader on any bytes, then a save and a second read.
#include "model/companion_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    murcad::Wall wall;
    murcad::LoadError error;
    std::string text(reinterpret_cast<const char *>(data), size);
    if (!murcad::readCompanionText(text, "FUZZ.wpx", wall, error)) {
        if (!(wall == murcad::Wall{}))
            std::abort(); // a refused file must not touch the wall
        return 0;
    }
    // What was read must write and read back.
    std::string again = murcad::companionText(wall, "01/01/2026 00:00:00");
    murcad::Wall back;
    if (!murcad::readCompanionText(again, "FUZZ.wpx", back, error))
        std::abort();
    return 0;
}
