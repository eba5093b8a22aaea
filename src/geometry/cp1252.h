// Conversion of UTF-8 texts to Windows-1252, the code page of DXF R12 files and of our RTF.
#pragma once

#include <string>
#include <string_view>

namespace murcad {

/// The Windows-1252 byte of a Unicode code point, or -1 when the code page has none.
int cp1252Byte(char32_t codePoint);

/// What becomes of control characters (line breaks, tabs) in a conversion.
enum class ControlChars { ToBlanks, Keep };

/// Converts UTF-8 text to Windows-1252 bytes. Characters the code page lacks become "?";
/// bytes that are not valid UTF-8 are taken as Windows-1252 bytes already (texts read from
/// older files). Control characters become blanks by default, since each DXF value must stay
/// on one line; a whole document (the RTF report) keeps them.
std::string utf8ToCp1252(std::string_view text, ControlChars controls = ControlChars::ToBlanks);

/// True when every character of the UTF-8 text has a Windows-1252 byte and none is a control
/// character.
bool fitsCp1252Line(std::string_view text);

} // namespace murcad
