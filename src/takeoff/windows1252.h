// Conversion of report text to the Windows-1252 code page declared by the RTF header.
#pragma once

#include <string>
#include <string_view>

namespace murcad {

/// Converts UTF-8 text to Windows-1252 bytes; characters the code page lacks become "?".
std::string toWindows1252(std::string_view utf8);

} // namespace murcad
