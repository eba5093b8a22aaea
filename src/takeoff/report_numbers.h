// Numbers of the bill of materials in the user's locale: the decimal separator and the
// fixed-decimal formats of counts, lengths, weights and volumes.
#pragma once

#include <string>

namespace murcad {

/// Decimal separator of the user's numeric locale (LC_ALL, LC_NUMERIC, LANG), read without
/// touching the process's locale; '.' when the locale is unknown or its separator is not a
/// single plain character.
char userDecimalSeparator();

/// Value with a fixed number of decimals and the given separator, as a reader reads it:
/// the value is taken at its shortest decimal form (12.345f is 12.345) and halves round away
/// from zero ("12.35"); no thousands separator; no minus sign on a zero.
std::string formatReportNumber(float value, int decimals, char separator);

} // namespace murcad
