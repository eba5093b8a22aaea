// Small builders of RTF text for the bill of materials: header, end, tab stops, styled runs.
#pragma once

#include <string>
#include <string_view>

namespace murcad {

/// Document start: RTF 1, Windows-1252, Italian, fonts Arial (0) and Symbol (1), colours
/// black, red and blue.
std::string rtfHeader();
/// Document end.
std::string rtfEnd();
/// A centred tab stop at cm centimetres (568 twips per cm).
std::string rtfTabCenter(float cm);
/// A right-aligned tab stop at cm centimetres.
std::string rtfTabRight(float cm);
/// Text in plain style at size (half-points), underlined and/or bold. The font number 3 is not
/// in the font table: readers fall back to the default font, Arial.
std::string rtfStyled(std::string_view text, int size, bool underline, bool bold);
/// Text in the Symbol font ("f" prints a diameter sign), then back to plain size 20.
std::string rtfSymbol(std::string_view text);

} // namespace murcad
