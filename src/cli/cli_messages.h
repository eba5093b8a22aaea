// Messages shared by the sub-commands of murcad-cli: usage texts, usage errors and file names.
#pragma once

#include "model/settings_file.h"

#include <string>

namespace murcad::cli {

/// A command's usage as shown to the user: its first line (the synopsis) after lead, each
/// further line (the description) indented by six blanks below it.
std::string formatUsage(const char *usage, const char *lead = "Uso: murcad-cli ");

/// Prints "murcad-cli COMMAND: message" and the command's usage on stderr; returns exit code 2.
int usageError(const char *command, const char *usage, const std::string &message);

/// The user's settings (layer names and colours, scale, lap factor) as the program keeps
/// them; a value the file cannot give takes its default with a warning on stderr.
SettingsFileValues readUserSettings();

/// The file name part of a path ("/" or "\" separated), for progress lines.
const char *fileName(const std::string &path);

} // namespace murcad::cli
