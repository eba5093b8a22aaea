// The lowest level of DXF writing: group codes and values as lines ended by CR LF.
#include "dxf/dxf_tags.h"

#include <charconv>
#include <cerrno>
#include <cmath>

namespace murcad {

std::string_view formatDxfNumber(double v, int decimals, char (&buf)[64]) {
    if (!std::isfinite(v))
        v = 0.0;
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    if (!s.empty() && s.front() == '-' && s.find_first_not_of("-0.") == std::string_view::npos)
        s.remove_prefix(1); // "-0.000000": a tiny negative value is just zero on the drawing
    return s;
}

void DxfTagWriter::code(int groupCode) {
    char b[16];
    auto res = std::to_chars(b, b + sizeof b, groupCode);
    auto n = static_cast<std::size_t>(res.ptr - b);
    if (n < 3)
        buf_.append(3 - n, ' ');
    buf_.append(b, n);
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
