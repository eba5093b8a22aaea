// Test helper: makes the Italian locale available to the tests and to the programs they run.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <locale.h>
#include <string>

namespace murcad::test {

/// True when newlocale knows the locale name (LOCPATH included).
inline bool localeAvailable(const char *name) {
    locale_t l = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(nullptr));
    if (l == static_cast<locale_t>(nullptr))
        return false;
    freelocale(l);
    return true;
}

/// Makes it_IT.UTF-8 available: the system's when installed (locpath empty), otherwise
/// compiled once from the locales package's sources into a private folder to be read through
/// LOCPATH (locpath set to it). The system's locales are never changed. False when neither
/// works (the locales package is missing).
inline bool provideItalianLocale(std::string &locpath) {
    locpath.clear();
    if (std::getenv("LOCPATH") == nullptr && localeAvailable("it_IT.UTF-8"))
        return true;
    std::string folder = (std::filesystem::temp_directory_path() / "murcad_test_locales").string();
    std::string compiled = folder + "/it_IT.UTF-8";
    if (!std::filesystem::exists(compiled + "/LC_NUMERIC")) {
        std::filesystem::create_directories(folder);
        std::string cmd = "localedef -i it_IT -f UTF-8 '" + compiled + "' >/dev/null 2>&1";
        (void)std::system(cmd.c_str()); // warnings give a non-zero status: check the result
    }
    if (!std::filesystem::exists(compiled + "/LC_NUMERIC"))
        return false;
    locpath = folder;
    return true;
}

} // namespace murcad::test
