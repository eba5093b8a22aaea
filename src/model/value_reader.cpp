// Sequential value reader over a text file held in memory.
#include "model/value_reader.h"

#include "geometry/numbers.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

namespace murcad {

ValueReader::ValueReader(std::string text, std::string fileName)
    : text_(std::move(text)), file_(std::move(fileName)) {}

void ValueReader::fail(int line, std::string found, std::string expected) {
    if (failed_)
        return;
    failed_ = true;
    error_.file = file_;
    error_.line = line;
    error_.found = std::move(found);
    error_.expected = std::move(expected);
    std::ostringstream m;
    m << file_ << ", riga " << line << ": ";
    if (error_.found.empty())
        m << "il file finisce prima del previsto; atteso " << error_.expected << ".";
    else
        m << "valore \"" << error_.found << "\" non valido; atteso " << error_.expected << ".";
    error_.message = m.str();
}

void ValueReader::failWithMessage(int line, std::string found, std::string expected,
                                  std::string message) {
    if (failed_)
        return;
    fail(line, std::move(found), std::move(expected));
    error_.message = file_ + ": " + message;
}

void ValueReader::skipBlanksAndNewlines() {
    while (pos_ < text_.size()) {
        char c = text_[pos_];
        if (c == '\n') {
            ++line_;
            ++pos_;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++pos_;
        } else {
            break;
        }
    }
}

bool ValueReader::atEnd() {
    skipBlanksAndNewlines();
    return pos_ >= text_.size();
}

bool ValueReader::readToken(std::string &token, int &line, bool isText, const char *what) {
    if (failed_)
        return false;
    skipBlanksAndNewlines();
    line = line_;
    if (pos_ >= text_.size()) {
        fail(line_, "", what);
        return false;
    }
    token.clear();
    if (text_[pos_] == '"') {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && text_[pos_] != '\n')
            token += text_[pos_++];
        if (pos_ < text_.size() && text_[pos_] == '"')
            ++pos_;
    } else {
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == ',' || c == '\n' || c == '\r')
                break;
            if (!isText && (c == ' ' || c == '\t'))
                break;
            token += c;
            ++pos_;
        }
        if (isText)
            while (!token.empty() && (token.back() == ' ' || token.back() == '\t'))
                token.pop_back();
    }
    // Blanks after a value, then at most one comma, belong to the value's delimiter.
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == ',')
        ++pos_;
    lastLine_ = line;
    return true;
}

bool ValueReader::readText(std::string &out, const char *what) {
    int line = 0;
    return readToken(out, line, true, what);
}

bool ValueReader::readLine(std::string &out, const char *what) {
    if (failed_)
        return false;
    if (pos_ >= text_.size()) {
        fail(line_, "", what);
        return false;
    }
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string::npos)
        end = text_.size();
    out = text_.substr(pos_, end - pos_);
    if (!out.empty() && out.back() == '\r')
        out.pop_back();
    lastLine_ = line_;
    pos_ = end;
    if (pos_ < text_.size()) {
        ++pos_;
        ++line_;
    }
    return true;
}

bool ValueReader::readNumber(double &out, const char *what) {
    std::string token;
    int line = 0;
    if (!readToken(token, line, false, what))
        return false;
    if (token.empty()) { // an empty field between two commas reads as zero
        out = 0.0;
        return true;
    }
    // The whole token must be a number written with a decimal point.
    const char *begin = token.c_str();
    char *end = nullptr;
    errno = 0;
    double v = std::strtod(begin, &end);
    bool plain = true;
    for (char c : token)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            plain = false;
    if (!plain || end == begin || *end != '\0' || !std::isfinite(v)) {
        fail(line, token, what);
        return false;
    }
    out = v;
    return true;
}

bool ValueReader::readSingle(float &out, const char *what) {
    double v = 0;
    if (!readNumber(v, what))
        return false;
    if (std::fabs(v) > 3.0e38) {
        fail(lastLine_, formatNumber(v, 0), what);
        return false;
    }
    out = static_cast<float>(v);
    return true;
}

bool ValueReader::readInteger(int &out, const char *what) {
    double v = 0;
    if (!readNumber(v, what))
        return false;
    double r = roundHalfEven(v);
    if (r < -32768.0 || r > 32767.0) {
        fail(lastLine_, formatNumber(v, 0), std::string(what) + " (intero tra -32768 e 32767)");
        return false;
    }
    out = static_cast<int>(r);
    return true;
}

bool ValueReader::readLong(std::int32_t &out, const char *what) {
    double v = 0;
    if (!readNumber(v, what))
        return false;
    double r = roundHalfEven(v);
    if (r < -2147483648.0 || r > 2147483647.0) {
        fail(lastLine_, formatNumber(v, 0), std::string(what) + " (intero a 32 bit)");
        return false;
    }
    out = static_cast<std::int32_t>(r);
    return true;
}

static std::string bounds(double lo, double hi) {
    return " (da " + formatNumber(lo, 0) + " a " + formatNumber(hi, 0) + ")";
}

void ValueReader::outOfBounds(const std::string &found, const char *what,
                              const std::string &range) {
    if (failed_)
        return;
    fail(lastLine_, found, std::string(what) + range);
    error_.message = file_ + ", riga " + std::to_string(lastLine_) + ": valore \"" + found +
                     "\" fuori dai limiti; atteso " + what + range + ".";
}

bool ValueReader::readSingleIn(float &out, const char *what, float lo, float hi) {
    float v = 0;
    if (!readSingle(v, what))
        return false;
    if (v < lo || v > hi) {
        outOfBounds(formatNumber(v, 2), what, bounds(lo, hi));
        return false;
    }
    out = v;
    return true;
}

bool ValueReader::readIntegerIn(int &out, const char *what, int lo, int hi) {
    int v = 0;
    if (!readInteger(v, what))
        return false;
    if (v < lo || v > hi) {
        outOfBounds(std::to_string(v), what, bounds(lo, hi));
        return false;
    }
    out = v;
    return true;
}

bool readWholeFile(const std::string &path, std::string &out, std::string *why) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (why)
            *why = std::strerror(errno);
        return false;
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) {
        if (why)
            *why = "errore di lettura";
        return false;
    }
    out = ss.str();
    return true;
}

} // namespace murcad
