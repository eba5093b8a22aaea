// Exports a wall's drawing (DXF and PNG) and bill of materials (RTF) without any window.
#pragma once

#include "model/app_state.h"

#include <string>
#include <vector>

namespace murcad::app {

/// What an export wrote, or why it could not.
struct HeadlessExportResult {
    bool ok = false;
    std::vector<std::string> written; ///< paths of the files written
    std::vector<std::string> errors;  ///< one line per failure, naming the file
};

/// Loads the wall data file and writes into folder (made when missing): NAME.DXF (the
/// sheet at the scale of the settings), NAME.rtf (the bill of materials) and NAME.png (the
/// sheet as the drawing area shows it, widthPx × heightPx). state supplies the settings and
/// the host folder of the DXF templates; its wall is not touched.
HeadlessExportResult exportWall(const AppState &state, const std::string &wallPath,
                                const std::string &folder, int widthPx = 2400, int heightPx = 1600);

} // namespace murcad::app
