// Number routines: decimal-point handling, parsing, fixed formatting and small maths.
#include "geometry/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace murcad {

std::string dotDecimal(std::string_view s) {
    std::string out(s);
    auto pos = out.find(',');
    if (pos != std::string::npos)
        out[pos] = '.';
    return out;
}

bool tryParseNumber(std::string_view s, float &value) {
    std::string t = dotDecimal(s);
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t'))
        ++i;
    // Collect the leading number: sign, digits, one point, an exponent.
    std::size_t start = i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t digitsStart = i;
    bool digits = false, point = false;
    while (i < t.size()) {
        char c = t[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (!digits) {
        value = 0.0f;
        return false;
    }
    // Optional exponent, only when followed by digits.
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        if (j < t.size() && t[j] >= '0' && t[j] <= '9') {
            while (j < t.size() && t[j] >= '0' && t[j] <= '9')
                ++j;
            i = j;
        }
    }
    (void)digitsStart;
    std::string num = t.substr(start, i - start);
    if (!num.empty() && num[0] == '+')
        num.erase(0, 1);
    double d = 0.0;
    auto res = std::from_chars(num.data(), num.data() + num.size(), d);
    if (res.ec == std::errc::result_out_of_range) {
        value = num[0] == '-' ? -INFINITY : INFINITY;
        return true;
    }
    if (res.ec != std::errc()) {
        value = 0.0f;
        return false;
    }
    value = static_cast<float>(d);
    return true;
}

float parseNumber(std::string_view s) {
    float v = 0.0f;
    tryParseNumber(s, v);
    return v;
}

std::string formatNumber(double value, int decimals) {
    if (!std::isfinite(value))
        return "0";
    if (decimals < 0)
        decimals = 0;
    if (decimals > 15)
        decimals = 15;
    // Round in decimal, as a number format does: the value is first taken to 15 significant
    // digits, then rounded at the wanted decimal with halves away from zero (2.5 gives "3",
    // 12.25 with one decimal gives "12.3").
    char sci[64];
    std::snprintf(sci, sizeof sci, "%.14e", std::fabs(value));
    std::string digits;
    const char *p = sci;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += *p;
    int exponent = std::atoi(p + 1);
    // value = 0.digits × 10^(exponent + 1); keep the digits before the rounding position.
    int keep = exponent + 1 + decimals;
    std::string kept;
    if (keep >= 0) {
        kept = digits.substr(0, std::min<std::size_t>(keep, digits.size()));
        kept.append(keep > static_cast<int>(digits.size()) ? keep - digits.size() : 0, '0');
        bool roundUp = keep < static_cast<int>(digits.size()) && digits[keep] >= '5';
        if (roundUp) {
            int i = static_cast<int>(kept.size()) - 1;
            while (i >= 0 && kept[i] == '9')
                kept[i--] = '0';
            if (i >= 0)
                ++kept[i];
            else
                kept.insert(kept.begin(), '1');
        }
    }
    // kept holds the rounded value × 10^decimals as digits.
    if (static_cast<int>(kept.size()) <= decimals)
        kept.insert(0, decimals + 1 - kept.size(), '0');
    std::string whole = kept.substr(0, kept.size() - decimals);
    std::string frac = kept.substr(kept.size() - decimals);
    std::size_t nz = whole.find_first_not_of('0');
    whole = nz == std::string::npos ? "0" : whole.substr(nz);
    std::string out = whole;
    if (decimals > 0)
        out += "." + frac;
    bool zero = out.find_first_not_of("0.") == std::string::npos;
    return (value < 0 && !zero) ? "-" + out : out;
}

float distance(float x1, float y1, float x2, float y2) {
    float dx = x1 - x2, dy = y1 - y2;
    return std::sqrt(dx * dx + dy * dy);
}

float floorToHalf(float v) {
    float whole = std::floor(v);
    return (v - whole >= 0.5f) ? whole + 0.5f : whole;
}

int diagonalBarDiameter(float area) {
    if (!(area > 0.0f) || !std::isfinite(area))
        return 0;
    double s = area / 4.0 * 100.0;
    double d = std::sqrt(s / 0.785398163397448);
    if (d > 1000.0)
        return 1000;
    int n = static_cast<int>(std::floor(d));
    if (d - std::floor(d) > 0.001)
        n += 1;
    if (n % 2 != 0)
        n += 1;
    return n;
}

double radiansToDegrees(double a) { return a * 57.2957795130823; }

double roundHalfEven(double v) { return std::nearbyint(v); }

std::string signedText(long long v) {
    return v < 0 ? std::to_string(v) : " " + std::to_string(v);
}

} // namespace murcad
