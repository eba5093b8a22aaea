// The settings file "Veruz2008.ini": layer table, DXF scale, lap factor, screen colours.
#pragma once

#include "colours/layers.h"
#include "model/load_error.h"

#include <string>

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
enum class SettingsSource { File, DefaultsMissing, DefaultsTooNew, DefaultsUnreadable };

/// Reads profileFolder/Veruz2008.ini into values. A missing file or a version above 2 gives the
/// defaults; a file that ends early or holds a bad value gives the defaults and an error naming
/// the line (error is set only then). Values not in the file (ExtraOption of version 1) keep
/// what they held.
SettingsSource readSettings(const std::string &profileFolder, SettingsFileValues &values,
                            LoadError *error = nullptr);

/// The same from the settings text; name appears in messages.
SettingsSource readSettingsText(const std::string &text, const std::string &name,
                                SettingsFileValues &values, LoadError *error = nullptr);

/// Writes profileFolder/Veruz2008.ini (version 2) atomically. Returns false and fills error
/// when the file cannot be written.
bool writeSettings(const std::string &profileFolder, const SettingsFileValues &values,
                   std::string *error = nullptr);

} // namespace murcad
