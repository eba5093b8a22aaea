// Fuzz target: the settings file reader on any bytes.
#include "model/settings_file.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    murcad::SettingsFileValues values;
    murcad::LoadError error;
    std::string text(reinterpret_cast<const char *>(data), size);
    murcad::readSettingsText(text, "Veruz2008.ini", values, &error);
    if (!std::isfinite(values.LapFactor) || !std::isfinite(values.Layers.DxfScaleLeft) ||
        !std::isfinite(values.Layers.DxfScaleRight))
        std::abort();
    return 0;
}
