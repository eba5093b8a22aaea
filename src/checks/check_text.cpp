// Texts of the detailing checks and the table of one wall's results.
#include "checks/check_text.h"

#include "geometry/numbers.h"

#include <algorithm>
#include <array>

namespace murcad {

namespace {

int decimalsOf(const std::string &unit) {
    if (unit == "%" || unit == "cm\xc2\xb2/m")
        return 2;
    if (unit == "1/m\xc2\xb2")
        return 1;
    return 0;
}

std::string withUnit(double v, const std::string &unit) {
    std::string s = formatNumber(v, decimalsOf(unit));
    return unit.empty() ? s : s + " " + unit;
}

/// Characters shown, counting a multi-byte UTF-8 character once.
std::size_t shownWidth(const std::string &s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string padded(const std::string &s, std::size_t width) {
    std::size_t w = shownWidth(s);
    return w >= width ? s : s + std::string(width - w, ' ');
}

} // namespace

std::string checkValueText(const CheckResult &r) {
    return withUnit(r.value, r.unit);
}

std::string checkLimitText(const CheckResult &r) {
    return std::string(r.sense == LimitSense::AtLeast ? "\xe2\x89\xa5 " : "\xe2\x89\xa4 ") +
           withUnit(r.limit, r.unit);
}

std::string checkPlaceText(const CheckResult &r) {
    std::string s = checkStoreyName(r.storey);
    if (r.zone != CheckZone::Storey)
        s += std::string(", ") + checkZoneName(r.zone);
    return s;
}

std::string checksSummaryText(const CheckSummary &s) {
    std::string t = std::to_string(s.checks) + (s.checks == 1 ? " verifica: " : " verifiche: ") +
                    std::to_string(s.passed) + (s.passed == 1 ? " soddisfatta, " : " soddisfatte, ") +
                    std::to_string(s.warnings) + (s.warnings == 1 ? " avviso, " : " avvisi, ") +
                    std::to_string(s.failed) +
                    (s.failed == 1 ? " non soddisfatta" : " non soddisfatte");
    if (!s.failingStoreys.empty()) {
        t += s.failingStoreys.size() == 1 ? " (piano " : " (piani ";
        for (std::size_t k = 0; k < s.failingStoreys.size(); ++k)
            t += (k ? ", " : "") + std::to_string(s.failingStoreys[k] + 1);
        t += ")";
    }
    return t;
}

std::string checksTakeoffLine(const CheckSummary &s) {
    std::string t = "Verifiche di dettaglio (EN 1992-1-1): ";
    if (s.failed == 0) {
        t += s.checks == 1 ? "1 verifica soddisfatta"
                           : "tutte le " + std::to_string(s.checks) + " verifiche soddisfatte";
    } else {
        t += std::to_string(s.failed) + (s.failed == 1 ? " non soddisfatta" : " non soddisfatte") +
             " su " + std::to_string(s.checks);
        t += s.failingStoreys.size() == 1 ? " (piano " : " (piani ";
        for (std::size_t k = 0; k < s.failingStoreys.size(); ++k)
            t += (k ? ", " : "") + std::to_string(s.failingStoreys[k] + 1);
        t += ")";
    }
    if (s.warnings > 0)
        t += ", " + std::to_string(s.warnings) + (s.warnings == 1 ? " avviso" : " avvisi");
    return t;
}

std::string checksTable(const std::string &title, const std::vector<CheckResult> &results) {
    using Row = std::array<std::string, 7>;
    std::vector<Row> rows;
    rows.push_back({"Piano", "Zona", "Verifica", "Valore", "Limite", "Punto", "Esito"});
    for (const CheckResult &r : results)
        rows.push_back({checkStoreyName(r.storey), checkZoneName(r.zone), r.check,
                        checkValueText(r), checkLimitText(r), r.clause,
                        std::string(checkOutcomeName(r.outcome)) +
                            (r.note.empty() ? "" : "  (" + r.note + ")")});
    std::array<std::size_t, 7> width{};
    for (const Row &row : rows)
        for (std::size_t c = 0; c + 1 < row.size(); ++c)
            width[c] = std::max(width[c], shownWidth(row[c]));

    std::string out = title + "\n";
    for (const Row &row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += c + 1 < row.size() ? padded(row[c], width[c]) + "  " : row[c];
        out += line + "\n";
    }
    out += checksSummaryText(summarise(results)) + "\n";
    return out;
}

} // namespace murcad
