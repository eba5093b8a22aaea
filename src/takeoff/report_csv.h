// The bill of materials as CSV rows, one per bar group, for spreadsheets and scripts.
#pragma once

#include "takeoff/takeoff.h"

#include <string>

namespace murcad {

/// CSV text (UTF-8, comma-separated, point as decimal separator, CRLF-free): a header line
/// "wall,table,label,count,diameter,length,weight,stirrup", then one line per row of every
/// wall's tables and one for its diagonal bars (table "Armatura diagonale", label "4+4").
/// Lengths have one decimal and weights two, as in the report; stirrup is 1 on stirrup rows.
std::string takeoffCsv(const TakeoffRun &run);

} // namespace murcad
