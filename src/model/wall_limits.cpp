// Range checks and refusal texts of the one table of value limits.
#include "model/wall_limits.h"

#include "geometry/numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace murcad::limits {

namespace {

// A bound as the user reads it: no trailing zeros ("0.001", "100000", "-100000").
std::string boundText(double v, int decimals) {
    std::string s = formatNumber(v, decimals < 1 ? 0 : decimals);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    return s;
}

bool blank(std::string_view t) {
    for (char c : t)
        if (c != ' ' && c != '\t')
            return false;
    return true;
}

// The whole text must be one number (blanks around it allowed, a comma for the point):
// "12abc" is a slip of the keyboard, not 12.
bool wholeNumber(std::string_view text, double &v) {
    std::string t = dotDecimal(text);
    std::size_t a = t.find_first_not_of(" \t"), b = t.find_last_not_of(" \t");
    if (a == std::string::npos)
        return false;
    t = t.substr(a, b - a + 1);
    if (t[0] == '+')
        t.erase(0, 1);
    if (t.empty() || !(std::isdigit(static_cast<unsigned char>(t.back())) || t.back() == '.'))
        return false;
    auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    return r.ec == std::errc() && r.ptr == t.data() + t.size() && std::isfinite(v);
}

} // namespace

bool withinLimit(const ValueLimit &limit, double v) {
    return std::isfinite(v) && v >= limit.lo && v <= limit.hi;
}

std::string rangeText(const ValueLimit &limit) {
    return "da " + boundText(limit.lo, limit.decimals) + " a " +
           boundText(limit.hi, limit.decimals);
}

bool acceptValue(const ValueLimit &limit, std::string_view text, float &value,
                 std::string &refusal, std::string_view label, const float *blankValue) {
    const std::string field = label.empty() ? std::string(limit.name) : std::string(label);
    const std::string typed(text);
    double v = 0;
    if (blank(text) && blankValue) {
        v = *blankValue;
    } else if (!wholeNumber(text, v)) {
        refusal = field + ": \"" + typed + "\" non è un numero; valori ammessi " +
                  rangeText(limit) + ".";
        return false;
    }
    // Kept with the precision the files store, so a saved value reads back the same.
    double scale = std::pow(10.0, limit.decimals);
    double rounded = std::round(v * scale) / scale;
    if (!withinLimit(limit, rounded)) {
        refusal = field + ": valore \"" + typed + "\" fuori dai limiti; valori ammessi " +
                  rangeText(limit) + ".";
        return false;
    }
    value = static_cast<float>(rounded);
    return true;
}

} // namespace murcad::limits
