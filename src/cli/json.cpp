// Minimal JSON writer: indentation, string escaping, finite numbers only.
#include "cli/json.h"

#include <charconv>
#include <cstdio>

namespace murcad::cli {

std::string JsonWriter::quoted(std::string_view s) {
    std::string q = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"': q += "\\\""; break;
        case '\\': q += "\\\\"; break;
        case '\n': q += "\\n"; break;
        case '\r': q += "\\r"; break;
        case '\t': q += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                q += buf;
            } else {
                q += static_cast<char>(c);
            }
        }
    }
    return q + "\"";
}

void JsonWriter::keyPrefix(std::string_view key) {
    if (!first_)
        out_ += ",";
    if (depth_ > 0) {
        out_ += "\n";
        out_.append(depth_ * 2, ' ');
    }
    first_ = false;
    if (!key.empty())
        out_ += quoted(key) + ": ";
}

void JsonWriter::open(std::string_view key, char c) {
    keyPrefix(key);
    out_ += c;
    ++depth_;
    first_ = true;
}

void JsonWriter::close(char c) {
    --depth_;
    if (!first_) {
        out_ += "\n";
        out_.append(depth_ * 2, ' ');
    }
    out_ += c;
    first_ = false;
    if (depth_ == 0)
        out_ += "\n";
}

void JsonWriter::value(std::string_view key, double v) {
    keyPrefix(key);
    if (!std::isfinite(v)) {
        out_ += "null";
        return;
    }
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    out_.append(buf, r.ptr);
}

void JsonWriter::value(std::string_view key, int v) {
    keyPrefix(key);
    out_ += std::to_string(v);
}

void JsonWriter::value(std::string_view key, std::string_view v) {
    keyPrefix(key);
    out_ += quoted(v);
}

void JsonWriter::value(std::string_view key, bool v) {
    keyPrefix(key);
    out_ += v ? "true" : "false";
}

} // namespace murcad::cli
