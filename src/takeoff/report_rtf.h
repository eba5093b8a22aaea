// The bill of materials as an RTF document ("Computo materiali"), built from a take-off run.
#pragma once

#include "takeoff/takeoff.h"

#include <string>

namespace murcad {

/// How the report is written.
struct ReportOptions {
    /// List the steel weight per bar diameter for each wall and in the totals.
    bool perDiameter = false;
    /// Decimal separator of lengths, weights, volumes and ratios (userDecimalSeparator() for
    /// the user's locale). The diagonal bars' weight is always written with a point.
    char decimalSeparator = '.';
};

/// The whole report: header, tab stops, one section per wall and, for a batch, the totals.
/// The text is UTF-8; write it with writeReportRtf, which stores it in Windows-1252.
std::string computoRtf(const TakeoffRun &run, const ReportOptions &options);

/// The section of one wall: title, tables, diagonal line and summary.
std::string compuRtf(const WallTakeoff &wall, const ReportOptions &options);

/// The totals over all walls of a batch ("Quantità totali:").
std::string totalsRtf(const TakeoffRun &run, const ReportOptions &options);

/// Writes the report to path in Windows-1252, atomically. On failure returns false and sets
/// error to a message naming the path and the cause.
bool writeReportRtf(const std::string &path, const std::string &rtf, std::string *error);

} // namespace murcad
