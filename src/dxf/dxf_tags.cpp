// The lowest level of DXF writing: group codes and values as lines ended by CR LF.
#include "dxf/dxf_tags.h"

#include <charconv>
#include <cerrno>
#include <cmath>

namespace murcad {

namespace {

constexpr double kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// Fixed notation by whole-number arithmetic. For a value that is a float and at most six
// decimals, value × 10^decimals is exact in a double, so rounding it to the nearest whole
// number (halves to even, the default rounding mode) gives the same digits as the correctly
// rounded std::to_chars. Returns 0 when the value is outside that range.
std::size_t formatFast(double v, int decimals, char *buf) {
    if (decimals < 0 || decimals > 6 || static_cast<double>(static_cast<float>(v)) != v ||
        !(std::fabs(v) < 1e12))
        return 0;
    double scaled = std::nearbyint(v * kPow10[decimals]);
    bool negative = scaled < 0;
    auto units = static_cast<unsigned long long>(negative ? -scaled : scaled);
    char digits[32];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units != 0 || n <= decimals);
    std::size_t len = 0;
    if (negative) // a value that rounds to zero has scaled == 0 and so no sign
        buf[len++] = '-';
    for (int i = n - 1; i >= 0; --i) {
        buf[len++] = digits[i];
        if (i == decimals && decimals > 0)
            buf[len++] = '.';
    }
    return len;
}

} // namespace

std::string_view formatDxfNumber(double v, int decimals, char (&buf)[64]) {
    if (!std::isfinite(v))
        v = 0.0;
    if (std::size_t n = formatFast(v, decimals, buf))
        return {buf, n};
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    if (!s.empty() && s.front() == '-' && s.find_first_not_of("-0.") == std::string_view::npos)
        s.remove_prefix(1); // "-0.000000": a tiny negative value is just zero on the drawing
    return s;
}

void DxfTagWriter::code(int groupCode) {
    if (groupCode >= 0 && groupCode < 1000) {
        char b[5] = {' ', ' ', ' ', '\r', '\n'};
        b[2] = static_cast<char>('0' + groupCode % 10);
        if (groupCode >= 10)
            b[1] = static_cast<char>('0' + groupCode / 10 % 10);
        if (groupCode >= 100)
            b[0] = static_cast<char>('0' + groupCode / 100);
        buf_.append(b, 5);
        return;
    }
    char b[16];
    auto res = std::to_chars(b, b + sizeof b, groupCode);
    buf_.append(b, static_cast<std::size_t>(res.ptr - b));
    buf_.append("\r\n", 2);
}

void DxfTagWriter::tagFixed(int groupCode, double v, int decimals) {
    if (!std::isfinite(v))
        ++nonFinite_;
    char b[64];
    tag(groupCode, formatDxfNumber(v, decimals, b));
}

void DxfTagWriter::tagInt(int groupCode, int v) {
    char b[16];
    auto res = std::to_chars(b, b + sizeof b, v);
    tag(groupCode, std::string_view(b, static_cast<std::size_t>(res.ptr - b)));
}

bool DxfTagWriter::flush() {
    if (!sink_ || failed_) {
        if (failed_)
            buf_.clear();
        return !failed_;
    }
    if (!buf_.empty()) {
        errno = 0;
        std::size_t n = std::fwrite(buf_.data(), 1, buf_.size(), sink_);
        if (n != buf_.size()) {
            failed_ = true;
            errno_ = errno != 0 ? errno : EIO;
        }
        written_ += n;
        buf_.clear();
    }
    return !failed_;
}

} // namespace murcad
