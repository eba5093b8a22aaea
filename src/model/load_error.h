// Where and why a file could not be read.
#pragma once

#include <string>

namespace murcad {

/// The message for a file written by a newer version of the program.
inline constexpr const char *kVersionMessage =
    "Versione del file non compatibile.\nAggiornare il modulo: www.korvel.it";

/// A reader's diagnosis: the file, the 1-based line, the value found and what was expected.
struct LoadError {
    std::string file;
    int line = 0;
    std::string found;
    std::string expected;
    std::string message; ///< full text for the user (Italian)
};

} // namespace murcad
