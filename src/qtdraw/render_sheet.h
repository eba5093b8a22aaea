// Renders a wall's whole sheet, fitted as "Vista totale", to an image, an SVG or a PDF file.
#pragma once

#include "colours/layers.h"
#include "model/wall.h"

#include <QImage>

#include <array>
#include <optional>
#include <string>

namespace murcad {

/// Makes sure a Qt GUI application object exists (fonts need one); creates an off-screen
/// one when the process has none. Call before painting outside the desktop application.
void ensureQtGui();

/// A world window left, bottom, right, top (cm) to show instead of the whole sheet.
using WorldWindow = std::optional<std::array<float, 4>>;

/// The wall's sheet fitted into a width x height image on the background of the settings
/// (or the given world window, fitted the same way).
QImage renderSheetImage(const Wall &wall, const LayerSettings &layers, int width, int height,
                        const WorldWindow &window = std::nullopt);

/// Writes the fitted sheet to path as PNG, SVG or PDF, chosen by the extension (any case).
/// The file is written atomically. Returns false with a message naming the file on failure.
bool renderSheetToFile(const Wall &wall, const LayerSettings &layers, const std::string &path,
                       int width, int height, std::string &error,
                       const WorldWindow &window = std::nullopt);

} // namespace murcad
