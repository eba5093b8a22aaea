// Pictures of the main window and of every dialog, for checking the look of the program.
#pragma once

#include "main_window.h"

#include <QString>

namespace murcad::app {

/// Opens the main window with options, then each dialog in turn, and saves a PNG of each into
/// folder. Returns the process exit code.
int takeScreenshots(const StartupOptions &options, const QString &folder);

} // namespace murcad::app
