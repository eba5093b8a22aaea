// Writing a whole file so that readers only ever see the old or the complete new content.
#pragma once

#include <string>
#include <string_view>

namespace murcad {

/// Writes bytes to a temporary file in the same folder, flushes it to disk and renames it over
/// path. On failure nothing at path changes, the temporary is removed, and why holds the path
/// and the cause.
bool writeFileAtomically(const std::string &path, std::string_view bytes, std::string *why);

} // namespace murcad
