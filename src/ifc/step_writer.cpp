// STEP physical file writing: instance lines, value formatting and string escaping.
#include "ifc/step_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace murcad {

namespace {

const char kHex[] = "0123456789ABCDEF";

void appendHex(std::string &out, unsigned v, int digits) {
    for (int i = digits - 1; i >= 0; --i)
        out += kHex[(v >> (4 * i)) & 0xF];
}

/// Decodes one UTF-8 character at s[i]; returns its length, or 0 when the bytes are not UTF-8.
int decodeUtf8(std::string_view s, std::size_t i, unsigned &cp) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int len = c >= 0xF0 && c < 0xF5 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
    if (len == 0 || i + len > s.size())
        return 0;
    cp = c & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        unsigned char d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (d & 0x3F);
    }
    static const unsigned kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

bool formatStepRealExact(double v, std::string &out) {
    if (!std::isfinite(v)) {
        out += "0.";
        return false;
    }
    // The shortest text that reads back as v, in STEP's form: a decimal point in the
    // mantissa and an upper-case exponent.
    char buf[48];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    std::string_view t(buf, r.ptr - buf);
    const std::size_t e = t.find('e');
    std::string_view mant = t.substr(0, e);
    out += mant;
    if (mant.find('.') == std::string_view::npos)
        out += '.';
    out += 'E';
    out += t.substr(e + 1);
    return true;
}

bool formatStepReal(double v, std::string &out) {
    if (!std::isfinite(v)) {
        out += "0.";
        return false;
    }
    // Micrometres in a model in metres: six decimals, trailing zeros dropped.
    if (v != 0 && std::fabs(v) < 1e-6) {
        char buf[32];
        auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 6);
        std::string_view t(buf, r.ptr - buf);
        std::size_t e = t.find('e');
        std::string_view mant = t.substr(0, e);
        while (mant.size() > 1 && mant.back() == '0')
            mant.remove_suffix(1);
        out += mant;
        if (mant.find('.') == std::string_view::npos)
            out += '.';
        out += 'E';
        out += t.substr(e + 1);
        return true;
    }
    char buf[48];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
    std::string_view t(buf, r.ptr - buf);
    while (t.back() == '0')
        t.remove_suffix(1);
    if (t == "-0.")
        t = "0.";
    out += t;
    return true;
}

std::string stepString(std::string_view s) {
    std::string out = "'";
    out.reserve(s.size() + 2);
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == '\'') {
            out += "''";
            ++i;
        } else if (c == '\\') {
            out += "\\\\";
            ++i;
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
            ++i;
        } else if (c < 0x80) {
            // Control characters (line feeds in a description) as their UTF-16 code.
            out += "\\X2\\";
            appendHex(out, c, 4);
            out += "\\X0\\";
            ++i;
        } else {
            unsigned cp = 0;
            int len = decodeUtf8(s, i, cp);
            if (len == 0) {
                // Not UTF-8: the byte is taken as a Latin-1 character.
                out += "\\X\\";
                appendHex(out, c, 2);
                ++i;
                continue;
            }
            out += "\\X2\\";
            if (cp > 0xFFFF) {
                unsigned v = cp - 0x10000;
                appendHex(out, 0xD800 + (v >> 10), 4);
                appendHex(out, 0xDC00 + (v & 0x3FF), 4);
            } else {
                appendHex(out, cp, 4);
            }
            out += "\\X0\\";
            i += len;
        }
    }
    out += '\'';
    return out;
}

void StepArgs::separate() {
    if (!text_.empty())
        text_ += ',';
}

StepArgs &StepArgs::ref(StepId id) {
    separate();
    if (id == 0) {
        text_ += '$';
    } else {
        text_ += '#';
        char buf[16];
        auto r = std::to_chars(buf, buf + sizeof buf, id);
        text_.append(buf, r.ptr);
    }
    return *this;
}

StepArgs &StepArgs::str(std::string_view utf8) {
    separate();
    text_ += stepString(utf8);
    return *this;
}

StepArgs &StepArgs::exactReal(double v) {
    separate();
    if (!formatStepRealExact(v, text_))
        ++nonFinite_;
    return *this;
}

StepArgs &StepArgs::real(double v) {
    separate();
    if (!formatStepReal(v, text_))
        ++nonFinite_;
    return *this;
}

StepArgs &StepArgs::integer(long long v) {
    separate();
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    text_.append(buf, r.ptr);
    return *this;
}

StepArgs &StepArgs::enumeration(std::string_view name) {
    separate();
    text_ += '.';
    text_ += name;
    text_ += '.';
    return *this;
}

StepArgs &StepArgs::unset() {
    separate();
    text_ += '$';
    return *this;
}

StepArgs &StepArgs::derived() {
    separate();
    text_ += '*';
    return *this;
}

StepArgs &StepArgs::typed(std::string_view type, std::string_view formattedValue) {
    separate();
    text_ += type;
    text_ += '(';
    text_ += formattedValue;
    text_ += ')';
    return *this;
}

StepArgs &StepArgs::refs(const std::vector<StepId> &ids) {
    separate();
    text_ += '(';
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i)
            text_ += ',';
        text_ += '#';
        char buf[16];
        auto r = std::to_chars(buf, buf + sizeof buf, ids[i]);
        text_.append(buf, r.ptr);
    }
    text_ += ')';
    return *this;
}

StepArgs &StepArgs::reals(std::initializer_list<double> values) {
    separate();
    text_ += '(';
    bool first = true;
    for (double v : values) {
        if (!first)
            text_ += ',';
        first = false;
        if (!formatStepReal(v, text_))
            ++nonFinite_;
    }
    text_ += ')';
    return *this;
}

StepArgs &StepArgs::raw(std::string_view text) {
    separate();
    text_ += text;
    return *this;
}

StepWriter::StepWriter(const StepHeader &h) {
    data_ = "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION((" + stepString(h.description) +
            "),'2;1');\nFILE_NAME(" + stepString(h.fileName) + "," + stepString(h.timeStamp) +
            ",(" + stepString(h.author) + "),(" + stepString(h.organisation) + ")," +
            stepString(h.preprocessor) + "," + stepString(h.originatingSystem) +
            ",'');\nFILE_SCHEMA((" + stepString(h.schema) + "));\nENDSEC;\nDATA;\n";
}

StepId StepWriter::add(std::string_view type, const StepArgs &args) {
    StepId id = next_++;
    data_ += '#';
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, id);
    data_.append(buf, r.ptr);
    data_ += '=';
    data_ += type;
    data_ += '(';
    data_ += args.text();
    data_ += ");\n";
    nonFinite_ += args.nonFinite();
    return id;
}

std::string StepWriter::finish() {
    data_ += "ENDSEC;\nEND-ISO-10303-21;\n";
    std::string out = std::move(data_);
    data_.clear();
    return out;
}

} // namespace murcad
