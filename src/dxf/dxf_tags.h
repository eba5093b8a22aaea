// The lowest level of DXF writing: group codes and values as lines ended by CR LF.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace murcad {

/// Formats v with a fixed number of decimals and a point whatever the locale
/// ("0.000000" pattern for 6 decimals: 1.5 gives "1.500000"). A value that rounds to zero is
/// written without a minus sign; a value that is not finite is written as zero. buf needs
/// room for 64 characters; returns the text written into it.
std::string_view formatDxfNumber(double v, int decimals, char (&buf)[64]);

/// Writes DXF lines into a buffer. Without a sink the buffer collects the whole text (the
/// form tests use); with a sink the buffer is passed on to the file in large blocks.
class DxfTagWriter {
public:
    /// Collects everything in text().
    DxfTagWriter() = default;
    /// Passes the text on to an open file (the writer neither closes nor owns it).
    explicit DxfTagWriter(std::FILE *sink) : sink_(sink) { buf_.reserve(kBlock + 4096); }
    DxfTagWriter(const DxfTagWriter &) = delete;
    DxfTagWriter &operator=(const DxfTagWriter &) = delete;

    /// One line as given, followed by CR LF.
    void line(std::string_view s) {
        buf_.append(s);
        buf_.append("\r\n", 2);
    }
    /// Text that already holds whole lines with their CR LF ends (a template).
    void raw(std::string_view s) { buf_.append(s); }
    /// A group code right-aligned in three characters ("  0", " 10", "100").
    void code(int groupCode);
    /// A group code and its value line.
    void tag(int groupCode, std::string_view value) {
        code(groupCode);
        line(value);
    }
    /// A group code and a number with six decimals ("0.000000").
    void tagNumber(int groupCode, double v) { tagFixed(groupCode, v, 6); }
    /// A group code and a number with a given count of decimals ("0.00" for 2).
    void tagFixed(int groupCode, double v, int decimals);
    /// A group code and a whole number in its plain decimal form.
    void tagInt(int groupCode, int v);

    /// Passes a full buffer on to the sink; call after each entity.
    void maybeFlush() {
        if (sink_ && buf_.size() >= kBlock)
            flush();
    }
    /// Passes everything buffered on to the sink; false when the sink refused it.
    bool flush();
    /// True once writing to the sink has failed (disk full, I/O error); errorNumber() is the
    /// system's error code of the failure.
    bool failed() const { return failed_; }
    int errorNumber() const { return errno_; }

    /// The collected text (everything not yet passed on to a sink).
    const std::string &text() const { return buf_; }
    /// How many values were not finite numbers and were written as zero.
    int nonFiniteValues() const { return nonFinite_; }
    /// Bytes handed to the sink so far.
    std::size_t bytesWritten() const { return written_; }

private:
    static constexpr std::size_t kBlock = 1 << 20;
    std::string buf_;
    std::FILE *sink_ = nullptr;
    bool failed_ = false;
    int errno_ = 0;
    int nonFinite_ = 0;
    std::size_t written_ = 0;
};

} // namespace murcad
