// Locale decimal separator and fixed-decimal formatting of report numbers.
#include "takeoff/report_numbers.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <langinfo.h>
#include <locale.h>

namespace murcad {

char userDecimalSeparator() {
    // newlocale reads LC_ALL / LC_NUMERIC / LANG like setlocale(LC_NUMERIC, "") would, but
    // into a private locale object: the process keeps its own (classic) locale.
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr))
        return '.';
    const char *radix = nl_langinfo_l(RADIXCHAR, loc);
    char sep = '.';
    if (radix != nullptr && radix[0] != '\0' && radix[1] == '\0' &&
        static_cast<unsigned char>(radix[0]) < 0x80)
        sep = radix[0];
    freelocale(loc);
    return sep;
}

std::string formatReportNumber(float value, int decimals, char separator) {
    if (decimals < 0)
        decimals = 0;
    if (!std::isfinite(value))
        return std::isnan(value) ? "n.d." : (value < 0 ? "-inf" : "inf");
    // Shortest fixed form that reads back as the same value: the number as it was meant.
    char buf[96];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    std::string s(buf, res.ptr);
    bool negative = !s.empty() && s[0] == '-';
    if (negative)
        s.erase(0, 1);
    std::string::size_type point = s.find('.');
    std::string whole = point == std::string::npos ? s : s.substr(0, point);
    std::string frac = point == std::string::npos ? "" : s.substr(point + 1);
    bool roundUp = frac.size() > static_cast<std::size_t>(decimals) && frac[decimals] >= '5';
    frac.resize(decimals, '0');
    std::string digits = whole + frac;
    if (roundUp) {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0)
            ++digits[i];
        else
            digits.insert(digits.begin(), '1');
    }
    std::string out = digits.substr(0, digits.size() - decimals);
    if (decimals > 0) {
        out += separator;
        out += digits.substr(digits.size() - decimals);
    }
    if (negative && out.find_first_of("123456789") != std::string::npos)
        out.insert(out.begin(), '-');
    return out;
}

} // namespace murcad
