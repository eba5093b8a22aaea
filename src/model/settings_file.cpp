// Reading and writing "Veruz2008.ini", versions 1 and 2.
#include "model/settings_file.h"

#include "geometry/numbers.h"
#include "model/atomic_file.h"
#include "model/value_reader.h"

#include <sys/stat.h>

namespace murcad {

static std::string settingsPath(const std::string &folder) {
    return folder.empty() ? std::string(kSettingsFileName) : folder + "/" + kSettingsFileName;
}

static void applyDefaults(SettingsFileValues &v) {
    defaultLayers(v.Layers);
    defaultScreenColours(v.Layers);
    v.LapFactor = 40;
    v.ExtraOption = 0;
}

SettingsSource readSettings(const std::string &profileFolder, SettingsFileValues &values,
                            LoadError *error) {
    const std::string path = settingsPath(profileFolder);
    struct stat st {};
    std::string text, why;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !readWholeFile(path, text, &why)) {
        applyDefaults(values);
        return SettingsSource::DefaultsMissing;
    }
    return readSettingsText(text, path, values, error);
}

SettingsSource readSettingsText(const std::string &text, const std::string &path,
                                SettingsFileValues &values, LoadError *error) {
    ValueReader r(text, path);
    SettingsFileValues v = values;
    int version = 0;
    if (r.readInteger(version, "la versione del file") && version > 2) {
        applyDefaults(values);
        return SettingsSource::DefaultsTooNew;
    }
    std::string rest;
    if (!r.failed() && !r.exhausted())
        r.readLine(rest, "la fine della riga");
    for (int i = 0; i < kLayerCount && !r.failed(); ++i) {
        std::string name;
        int colour = 0;
        if (r.readLine(name, "il nome del layer") && r.readInteger(colour, "il colore del layer")) {
            v.Layers.LayerName[i] = name;
            v.Layers.LayerColour[i] = colour == 0 ? 7 : colour;
            if (!r.exhausted())
                r.readLine(rest, "la fine della riga");
        }
    }
    int light = 0;
    std::int32_t c[5] = {};
    if (!r.failed() && r.readSingleIn(v.Layers.DxfScaleLeft, "la scala DXF", 0, 100000) &&
        r.readSingleIn(v.Layers.DxfScaleRight, "la scala DXF", 0, 100000) &&
        r.readSingleIn(v.LapFactor, "il fattore di ancoraggio", 0, 1000) &&
        r.readInteger(light, "lo sfondo") && r.readLong(c[0], "un colore") &&
        r.readLong(c[1], "un colore") && r.readLong(c[2], "un colore") &&
        r.readLong(c[3], "un colore") && r.readLong(c[4], "un colore")) {
        v.Layers.LightBackground = light;
        ScreenColours &sc = v.Layers.Colours;
        sc.ColourDims = static_cast<Rgb>(c[0]);
        sc.ColourSteel = static_cast<Rgb>(c[1]);
        sc.ColourBars = static_cast<Rgb>(c[2]);
        sc.ColourText = static_cast<Rgb>(c[3]);
        sc.ColourSections = static_cast<Rgb>(c[4]);
        if (version > 1)
            r.readInteger(v.ExtraOption, "l'opzione aggiuntiva");
    }
    if (r.failed()) {
        if (error)
            *error = r.error();
        applyDefaults(values);
        return SettingsSource::DefaultsUnreadable;
    }
    values = v;
    return SettingsSource::File;
}

bool writeSettings(const std::string &profileFolder, const SettingsFileValues &v,
                   std::string *error) {
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
    return writeFileAtomically(settingsPath(profileFolder), out, error);
}

} // namespace murcad
