// Texts of the detailing checks: values and limits with their units, and the table that the
// command-line tool prints.
#pragma once

#include "checks/detailing_checks.h"

#include <string>
#include <vector>

namespace murcad {

/// The value found with its unit, e.g. "0.76 %", "104 mm", "10.47 cm²/m".
std::string checkValueText(const CheckResult &r);

/// The limit with its sense and unit, e.g. "≥ 0.20 %", "≤ 300 mm".
std::string checkLimitText(const CheckResult &r);

/// "Piano 3" or "Piano 3, bordo sinistro".
std::string checkPlaceText(const CheckResult &r);

/// A readable table of the results of one wall (storey, check, value, limit, clause, outcome)
/// followed by a summary line. The title names the wall.
std::string checksTable(const std::string &title, const std::vector<CheckResult> &results);

/// "12 verifiche: 11 soddisfatte, 0 avvisi, 1 non soddisfatta (piani 3, 4)".
std::string checksSummaryText(const CheckSummary &s);

/// The line of the bill of materials about the checks of one wall, e.g. "Verifiche di
/// dettaglio (EN 1992-1-1): 2 non soddisfatte su 130 (piani 3, 4)".
std::string checksTakeoffLine(const CheckSummary &s);

} // namespace murcad
