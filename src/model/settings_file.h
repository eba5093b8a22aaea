// The settings file "Veruz2008.ini": layer table, DXF scale, lap factor, screen colours.
#pragma once

#include "colours/layers.h"

#include <string>
#include <vector>

namespace murcad {

/// What the settings file holds beside the layer table (values of the wall model).
struct SettingsFileValues {
    LayerSettings Layers = makeDefaultLayerSettings();
    float LapFactor = 40;
    int ExtraOption = 0;
    bool operator==(const SettingsFileValues &) const = default;
};

inline constexpr const char *kSettingsFileName = "Veruz2008.ini";

/// Outcome of reading the settings file.
enum class SettingsSource {
    File,            ///< every value read from the file
    DefaultsMissing, ///< no file: all defaults
    DefaultsTooNew,  ///< a version above 2: all defaults
    PartlyDefaults,  ///< some values unreadable, out of bounds or missing: those are defaults
};

/// Reads profileFolder/Veruz2008.ini into values, value by value. A missing file or a version
/// above 2 gives the defaults. A value that cannot be read or lies outside its limits takes its
/// own default and adds a message naming the file, the line, the value and the range to
/// problems; every other value is kept. Values not in the file (ExtraOption of version 1) keep
/// what they held. The file itself is never changed here.
SettingsSource readSettings(const std::string &profileFolder, SettingsFileValues &values,
                            std::vector<std::string> *problems = nullptr);

/// The same from the settings text; name appears in messages.
SettingsSource readSettingsText(const std::string &text, const std::string &name,
                                SettingsFileValues &values,
                                std::vector<std::string> *problems = nullptr);

/// The text of the settings file (version 2) for values.
std::string settingsText(const SettingsFileValues &values);

/// Writes profileFolder/Veruz2008.ini (version 2) atomically. Returns false and fills error
/// when the file cannot be written.
bool writeSettings(const std::string &profileFolder, const SettingsFileValues &values,
                   std::string *error = nullptr);

} // namespace murcad
