// The per-diameter and summary lines of the bill of materials.
#include "takeoff/report_lines.h"

#include "takeoff/report_numbers.h"

namespace murcad {

std::vector<std::string> diameterLines(const DiameterWeights &weights, const ReportOptions &o) {
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < weights.size(); ++k) {
        if (!(weights[k] > 0))
            continue;
        std::string w = formatReportNumber(weights[k], 2, o.decimalSeparator);
        if (k == 0)
            lines.push_back("Staffe e legature = " + w + " kg");
        else
            lines.push_back("Barre Ø" + std::to_string(2 * k) + " = " + w + " kg");
    }
    return lines;
}

std::vector<std::string> summaryLines(float steel, float concrete, std::optional<float> ratio,
                                      const ReportOptions &o) {
    return {
        "Peso totale dell'acciaio = " + formatReportNumber(steel, 2, o.decimalSeparator) + " kg",
        "Volume calcestruzzo = " + formatReportNumber(concrete, 2, o.decimalSeparator) + " mc",
        ratio
            ? "Incidenza acciaio = " + formatReportNumber(*ratio, 2, o.decimalSeparator) + " kg/mc"
            : std::string("Incidenza acciaio = n.d.")};
}

} // namespace murcad
