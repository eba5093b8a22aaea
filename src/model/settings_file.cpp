// Reading and writing "Veruz2008.ini", versions 1 and 2, one value at a time.
#include "model/settings_file.h"

#include "geometry/numbers.h"
#include "model/atomic_file.h"
#include "model/value_reader.h"
#include "model/wall_limits.h"

#include <charconv>
#include <cmath>
#include <sys/stat.h>

namespace murcad {

namespace {

using limits::ValueLimit;

std::string settingsPath(const std::string &folder) {
    return folder.empty() ? std::string(kSettingsFileName) : folder + "/" + kSettingsFileName;
}

void applyDefaults(SettingsFileValues &v) {
    defaultLayers(v.Layers);
    defaultScreenColours(v.Layers);
    v.LapFactor = 40;
    v.ExtraOption = 0;
}

// The file's lines without their CR LF.
std::vector<std::string> splitLines(const std::string &text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        pos = end + 1;
    }
    return lines;
}

// Values of one line, separated by blanks or commas.
std::vector<std::string> splitValues(const std::string &line) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : line) {
        if (c == ' ' || c == '\t' || c == ',' || c == '\f' || c == '\v') {
            if (!cur.empty())
                out.push_back(std::move(cur));
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty())
        out.push_back(std::move(cur));
    return out;
}

// A number written with a point; the whole text must be the number.
bool plainNumber(const std::string &t, double &v) {
    const char *b = t.data(), *e = t.data() + t.size();
    if (b != e && *b == '+')
        ++b;
    auto r = std::from_chars(b, e, v);
    return b != e && r.ec == std::errc() && r.ptr == e && std::isfinite(v);
}

// Reads the values of the file one by one and keeps a message for each one it cannot take.
class SettingsReader {
public:
    SettingsReader(const std::string &text, const std::string &name)
        : lines_(splitLines(text)), values_(lines_.size()), split_(lines_.size()), name_(name) {}

    bool hasLine(int line) const { return line <= static_cast<int>(lines_.size()); }
    const std::string &lineText(int line) const { return lines_[line - 1]; }

    // The k-th value of a line, or "" with a note that the file ends (or the line is short).
    bool token(int line, std::size_t k, const char *what, std::string &out) {
        if (!hasLine(line)) {
            if (!endNoted_) {
                note(lines_.empty() ? std::string("il file è vuoto; valgono i valori predefiniti")
                                    : "il file finisce alla riga " +
                                          std::to_string(lines_.size()) +
                                          "; da lì in poi valgono i valori predefiniti");
                endNoted_ = true;
            }
            return false;
        }
        // Each line is split into its values once, however many values are taken from it.
        if (!split_[line - 1]) {
            values_[line - 1] = splitValues(lineText(line));
            split_[line - 1] = true;
        }
        const std::vector<std::string> &values = values_[line - 1];
        if (k >= values.size()) {
            note("riga " + std::to_string(line) + ": manca " + what +
                 "; usato il valore predefinito");
            return false;
        }
        out = values[k];
        return true;
    }

    // A number within its limit; otherwise v keeps its default and the problem is noted.
    // Whole numbers are rounded halves to even; others to the three decimals the file keeps,
    // so that what is read is written back the same.
    template <typename T>
    void number(int line, std::size_t k, const ValueLimit &limit, const char *what, T &v,
                bool whole = false) {
        std::string t;
        if (!token(line, k, what, t))
            return;
        double d = 0;
        bool read = plainNumber(t, d);
        if (read)
            d = whole ? roundHalfEven(d) : std::round(d * 1000.0) / 1000.0;
        if (read && limits::withinLimit(limit, d)) {
            v = static_cast<T>(d);
            return;
        }
        note("riga " + std::to_string(line) + ": " + what + " \"" + t + "\" " +
             (read ? "fuori dai limiti (" + limits::rangeText(limit) + ")" : "non è un numero") +
             "; usato il valore predefinito " + formatNumber(static_cast<double>(v),
                                                             whole ? 0 : limit.decimals));
    }

    void note(const std::string &m) { problems_.push_back(name_ + ", " + m + "."); }
    const std::vector<std::string> &problems() const { return problems_; }

private:
    std::vector<std::string> lines_;
    std::vector<std::vector<std::string>> values_;
    std::vector<bool> split_;
    std::string name_;
    std::vector<std::string> problems_;
    bool endNoted_ = false;
};

constexpr ValueLimit kVersionLimit{"versione", -32768, 32767, 0};
constexpr ValueLimit kBackgroundLimit{"sfondo", -32768, 32767, 0};
constexpr ValueLimit kExtraLimit{"opzione aggiuntiva", -32768, 32767, 0};

} // namespace

SettingsSource readSettings(const std::string &profileFolder, SettingsFileValues &values,
                            std::vector<std::string> *problems) {
    const std::string path = settingsPath(profileFolder);
    struct stat st {};
    std::string text, why;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !readWholeFile(path, text, &why)) {
        applyDefaults(values);
        return SettingsSource::DefaultsMissing;
    }
    return readSettingsText(text, path, values, problems);
}

SettingsSource readSettingsText(const std::string &text, const std::string &path,
                                SettingsFileValues &values, std::vector<std::string> *problems) {
    SettingsReader r(text, path);
    int version = 2;
    r.number(1, 0, kVersionLimit, "la versione del file", version, true);
    if (version > 2) {
        applyDefaults(values);
        return SettingsSource::DefaultsTooNew;
    }
    SettingsFileValues v;
    applyDefaults(v);
    v.ExtraOption = values.ExtraOption; // a version-1 file does not hold it
    for (int i = 0; i < kLayerCount; ++i) {
        const int nameLine = 2 + 2 * i;
        if (r.hasLine(nameLine))
            v.Layers.LayerName[i] = r.lineText(nameLine);
        int colour = v.Layers.LayerColour[i];
        r.number(nameLine + 1, 0, limits::kLayerColourLimit, "il colore del layer", colour, true);
        v.Layers.LayerColour[i] = colour == 0 ? 7 : colour;
    }
    r.number(26, 0, limits::kDxfScaleLimit, "la scala DXF (cm)", v.Layers.DxfScaleLeft);
    r.number(26, 1, limits::kDxfScaleLimit, "la scala DXF (unità)", v.Layers.DxfScaleRight);
    r.number(26, 2, limits::kLapFactorLimit, "il numero di diametri degli ancoraggi",
             v.LapFactor);
    r.number(26, 3, kBackgroundLimit, "lo sfondo", v.Layers.LightBackground, true);
    // Colours missing or refused are those of the background read.
    defaultScreenColours(v.Layers);
    ScreenColours &sc = v.Layers.Colours;
    Rgb *colours[5] = {&sc.ColourDims, &sc.ColourSteel, &sc.ColourBars, &sc.ColourText,
                       &sc.ColourSections};
    static const char *colourNames[5] = {"il colore delle quote", "il colore dei bordi",
                                         "il colore dei ferri", "il colore del testo",
                                         "il colore delle sezioni"};
    for (int k = 0; k < 5; ++k)
        r.number(27, k, limits::kScreenColourLimit, colourNames[k], *colours[k], true);
    if (version > 1) {
        v.ExtraOption = 0;
        r.number(28, 0, kExtraLimit, "l'opzione aggiuntiva", v.ExtraOption, true);
    }
    values = v;
    if (problems)
        problems->insert(problems->end(), r.problems().begin(), r.problems().end());
    return r.problems().empty() ? SettingsSource::File : SettingsSource::PartlyDefaults;
}

std::string settingsText(const SettingsFileValues &v) {
    std::string out;
    auto line = [&](const std::string &s) { out += s + "\r\n"; };
    line(signedText(2));
    for (int i = 0; i < kLayerCount; ++i) {
        line(v.Layers.LayerName[i]);
        line(signedText(v.Layers.LayerColour[i]));
    }
    line(formatNumber(v.Layers.DxfScaleLeft, 3) + " " + formatNumber(v.Layers.DxfScaleRight, 3) +
         " " + formatNumber(v.LapFactor, 3) + " " + signedText(v.Layers.LightBackground));
    const ScreenColours &c = v.Layers.Colours;
    line(signedText(c.ColourDims) + " " + signedText(c.ColourSteel) + " " +
         signedText(c.ColourBars) + " " + signedText(c.ColourText) + " " +
         signedText(c.ColourSections));
    line(signedText(v.ExtraOption));
    return out;
}

bool writeSettings(const std::string &profileFolder, const SettingsFileValues &v,
                   std::string *error) {
    return writeFileAtomically(settingsPath(profileFolder), settingsText(v), error);
}

} // namespace murcad
