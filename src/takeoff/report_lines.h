// The closing lines of a wall's or a run's report, shared by the RTF and the on-screen view.
#pragma once

#include "takeoff/report_rtf.h"
#include "takeoff/takeoff.h"

#include <optional>
#include <string>
#include <vector>

namespace murcad {

/// One line per diameter class that carries steel: "Staffe e legature = … kg" for the
/// stirrups and ties, then "Barre Ø16 = … kg" and so on.
std::vector<std::string> diameterLines(const DiameterWeights &weights, const ReportOptions &o);

/// Total steel, concrete volume and steel ratio ("n.d." when there is no concrete).
std::vector<std::string> summaryLines(float steel, float concrete, std::optional<float> ratio,
                                      const ReportOptions &o);

} // namespace murcad
