// Fuzz target: the settings file reader on any bytes, value by value, then a write and a read.
#include "model/settings_file.h"
#include "model/wall_limits.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace murcad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    SettingsFileValues values;
    std::vector<std::string> problems;
    std::string text(reinterpret_cast<const char *>(data), size);
    SettingsSource source = readSettingsText(text, "Veruz2008.ini", values, &problems);
    // Whatever the file holds, the values taken lie within the limits every editor uses.
    if (!limits::withinLimit(limits::kDxfScaleLimit, values.Layers.DxfScaleLeft) ||
        !limits::withinLimit(limits::kDxfScaleLimit, values.Layers.DxfScaleRight) ||
        !limits::withinLimit(limits::kLapFactorLimit, values.LapFactor))
        std::abort();
    for (int c : values.Layers.LayerColour)
        if (c < 1 || c > 255)
            std::abort();
    if ((source == SettingsSource::PartlyDefaults) != !problems.empty())
        std::abort();
    // What was read is written and read back unchanged, without a complaint.
    SettingsFileValues back;
    std::vector<std::string> again;
    if (readSettingsText(settingsText(values), "Veruz2008.ini", back, &again) !=
            SettingsSource::File ||
        !(back == values))
        std::abort();
    return 0;
}
