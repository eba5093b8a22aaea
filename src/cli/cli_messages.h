// Messages shared by the sub-commands of murcad-cli: usage errors and file names.
#pragma once

#include <string>

namespace murcad::cli {

/// Prints "murcad-cli COMMAND: message" and the command's usage on stderr; returns exit code 2.
int usageError(const char *command, const char *usage, const std::string &message);

/// The file name part of a path ("/" or "\" separated), for progress lines.
const char *fileName(const std::string &path);

} // namespace murcad::cli
