// RTF text builders.
#include "takeoff/rtf_builders.h"

#include "geometry/numbers.h"

namespace murcad {

namespace {
constexpr double kTwipsPerCm = 568;

std::string twips(float cm) {
    return std::to_string(static_cast<long long>(roundHalfEven(cm * kTwipsPerCm)));
}
} // namespace

std::string rtfHeader() {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040"
           "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset2 Symbol;}}"
           "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
}

std::string rtfEnd() {
    return "\\par }";
}

std::string rtfTabCenter(float cm) {
    return "\\tqc\\tx" + twips(cm);
}

std::string rtfTabRight(float cm) {
    return "\\tqr\\tx" + twips(cm);
}

std::string rtfStyled(std::string_view text, int size, bool underline, bool bold) {
    std::string s = "\\plain\\f3\\fs" + std::to_string(size) + "\\cf0";
    s += bold ? "\\b" : "\\b0";
    s += underline ? "\\ul " : " ";
    s += text;
    return s;
}

std::string rtfSymbol(std::string_view text) {
    return rtfStyled("\\f1 ", 26, false, false) + std::string(text) +
           rtfStyled("\\f0", 20, false, false);
}

} // namespace murcad
