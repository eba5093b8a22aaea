// A minimal JSON writer for the command-line tool's machine-readable output.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

namespace murcad::cli {

/// Builds JSON text; the caller nests objects and arrays with begin/end pairs.
class JsonWriter {
public:
    void beginObject(std::string_view key = {}) { open(key, '{'); }
    void endObject() { close('}'); }
    void beginArray(std::string_view key = {}) { open(key, '['); }
    void endArray() { close(']'); }
    void value(std::string_view key, double v);
    void value(std::string_view key, int v);
    void value(std::string_view key, std::string_view v);
    void value(std::string_view key, bool v);
    const std::string &str() const { return out_; }

private:
    void open(std::string_view key, char c);
    void close(char c);
    void keyPrefix(std::string_view key);
    static std::string quoted(std::string_view s);
    std::string out_;
    bool first_ = true;
    int depth_ = 0;
};

} // namespace murcad::cli
