// The bill of materials as HTML, for an on-screen viewer (Qt's rich-text widgets read HTML,
// not RTF): the same sections, tables, numbers and totals as the RTF report.
#pragma once

#include "takeoff/report_rtf.h"
#include "takeoff/takeoff.h"

#include <string>

namespace murcad {

/// The report of the run as one HTML document (UTF-8), with the texts and number formats of
/// computoRtf: one section per wall, and the totals for a batch.
std::string computoHtml(const TakeoffRun &run, const ReportOptions &options);

} // namespace murcad
