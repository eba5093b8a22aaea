// Paper names, orientations and scales as the user types them.
#include "sheets/paper.h"

#include "geometry/numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace murcad {

namespace {
std::string lowerTrimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    std::string out(s);
    for (char &c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}
} // namespace

bool parsePaper(std::string_view text, int &paper) {
    std::string t = lowerTrimmed(text);
    if (t == "auto") {
        paper = kAutoPaper;
        return true;
    }
    for (int i = 0; i < static_cast<int>(kIsoPapers.size()); ++i)
        if (t == lowerTrimmed(kIsoPapers[i].name)) {
            paper = i;
            return true;
        }
    return false;
}

std::string paperText(int paper) {
    if (paper < 0 || paper >= static_cast<int>(kIsoPapers.size()))
        return "auto";
    return kIsoPapers[paper].name;
}

bool parseOrientation(std::string_view text, Orientation &orientation) {
    std::string t = lowerTrimmed(text);
    if (t == "auto")
        orientation = Orientation::Auto;
    else if (t == "verticale")
        orientation = Orientation::Portrait;
    else if (t == "orizzontale")
        orientation = Orientation::Landscape;
    else
        return false;
    return true;
}

std::string orientationText(Orientation o) {
    return o == Orientation::Portrait    ? "verticale"
           : o == Orientation::Landscape ? "orizzontale"
                                         : "auto";
}

bool parseScale(std::string_view text, double &denominator, std::string *why) {
    std::string t = lowerTrimmed(text);
    std::string_view n = t;
    std::size_t colon = t.find(':');
    bool ok = true;
    if (colon != std::string::npos) {
        std::string_view one = std::string_view(t).substr(0, colon);
        while (!one.empty() && one.back() == ' ')
            one.remove_suffix(1);
        ok = one == "1";
        n = std::string_view(t).substr(colon + 1);
    }
    while (!n.empty() && n.front() == ' ')
        n.remove_prefix(1);
    std::string dotted = dotDecimal(n);
    double v = 0;
    auto [ptr, ec] = std::from_chars(dotted.data(), dotted.data() + dotted.size(), v);
    ok = ok && !dotted.empty() && ec == std::errc{} && ptr == dotted.data() + dotted.size() &&
         std::isfinite(v) && v >= kMinScaleDenominator && v <= kMaxScaleDenominator;
    if (!ok) {
        if (why)
            *why = "scala \"" + std::string(text) +
                   "\" non valida: attesa 1:N con N da 1 a 10000 (per esempio 1:50)";
        return false;
    }
    denominator = v;
    return true;
}

std::string scaleText(double n) {
    std::string s = formatNumber(n, 2);
    while (s.back() == '0')
        s.pop_back();
    if (s.back() == '.')
        s.pop_back();
    return "1:" + s;
}

} // namespace murcad
