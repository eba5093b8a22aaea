// Sequential reading of values from a text file, with the line of every value for diagnostics.
#pragma once

#include "model/load_error.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace murcad {

/// Reads comma- or blank-separated values from text as the old sequential-input rules do:
/// a number ends at a comma, a blank or the end of a line; a text ends at a comma or the end
/// of the line (or is quoted). Every read reports the 1-based line where the value stood.
/// On the first failure the reader stops and keeps the error.
class ValueReader {
public:
    ValueReader(std::string text, std::string fileName);

    /// A text value (quotes removed, trailing blanks trimmed).
    bool readText(std::string &out, const char *what);
    /// The whole next line, unchanged (CR LF or LF removed).
    bool readLine(std::string &out, const char *what);
    /// A 32-bit float; rejects anything that is not a finite number.
    bool readSingle(float &out, const char *what);
    /// A signed 16-bit whole number (a fractional value is rounded, halves to even).
    bool readInteger(int &out, const char *what);
    /// A signed 32-bit whole number.
    bool readLong(std::int32_t &out, const char *what);
    /// A Single that must lie within lo..hi; outside, the file is refused naming the bounds.
    bool readSingleIn(float &out, const char *what, float lo, float hi);
    /// An Integer that must lie within lo..hi.
    bool readIntegerIn(int &out, const char *what, int lo, int hi);

    /// Skips blanks and line ends; true when nothing but them is left.
    bool atEnd();
    /// True when every byte has been consumed (nothing skipped).
    bool exhausted() const { return pos_ >= text_.size(); }
    bool failed() const { return failed_; }
    const LoadError &error() const { return error_; }
    /// Records a failure about a value already read (e.g. a count out of range).
    void fail(int line, std::string found, std::string expected);
    /// Like fail, with the exact text the user is shown.
    void failWithMessage(int line, std::string found, std::string expected, std::string message);
    int lastLine() const { return lastLine_; }

private:
    bool readToken(std::string &token, int &line, bool isText, const char *what);
    bool readNumber(double &out, const char *what);
    void skipBlanksAndNewlines();
    void outOfBounds(const std::string &found, const char *what, const std::string &range);

    std::string text_;
    std::string file_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int lastLine_ = 0;
    bool failed_ = false;
    LoadError error_;
};

/// Reads a whole file as bytes; false with a message when it cannot be opened or read.
bool readWholeFile(const std::string &path, std::string &out, std::string *why = nullptr);

} // namespace murcad
