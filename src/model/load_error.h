// Where and why a file could not be read.
#pragma once

#include <string>

namespace murcad {

/// A reader's diagnosis: the file, the 1-based line, the value found and what was expected.
struct LoadError {
    std::string file;
    int line = 0;
    std::string found;
    std::string expected;
    std::string message; ///< full text for the user (Italian)
};

} // namespace murcad
