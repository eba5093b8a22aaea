// murcad-cli render: draws a wall's sheet, fitted as "Vista totale", into a PNG, SVG or PDF.
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "colours/layers.h"
#include "model/wall_file.h"

#ifdef MURCAD_WITH_QT
#include "qtdraw/render_sheet.h"
#endif

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace murcad::cli {

namespace {

constexpr const char *kUsage =
    "render PARETE.PAR -o OUT.png|OUT.svg|OUT.pdf [--size LxA] [--light] [--window S,B,D,A]\n"
    "disegna la tavola della parete (vista totale) in un'immagine PNG, SVG o PDF; --size in\n"
    "pixel (1920x1080), --light su fondo chiaro, --window la finestra in cm";

bool parseSize(const std::string &s, int &w, int &h) {
    auto x = s.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    try {
        std::size_t used = 0;
        w = std::stoi(s.substr(0, x), &used);
        if (used != x)
            return false;
        std::string rest = s.substr(x + 1);
        h = std::stoi(rest, &used);
        if (used != rest.size())
            return false;
    } catch (...) {
        return false;
    }
    return w > 0 && h > 0 && w <= 20000 && h <= 20000;
}

// "left,bottom,right,top" in world centimetres.
bool parseWindow(const std::string &s, std::array<float, 4> &w) {
    std::size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        std::size_t end = s.find(',', pos);
        if ((end == std::string::npos) != (i == 3))
            return false;
        std::string part = s.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        try {
            std::size_t used = 0;
            w[i] = std::stof(part, &used);
            if (used != part.size())
                return false;
        } catch (...) {
            return false;
        }
        pos = end + 1;
    }
    return w[2] > w[0] && w[3] > w[1];
}

int renderCommand(const std::vector<std::string> &args) {
    std::string input, output;
    int width = 1920, height = 1080;
    bool light = false;
    std::optional<std::array<float, 4>> window;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "-o" && i + 1 < args.size()) {
            output = args[++i];
        } else if (a == "--size" && i + 1 < args.size()) {
            if (!parseSize(args[++i], width, height)) {
                std::fprintf(stderr,
                             "render: dimensione non valida \"%s\" (attesa LxA, "
                             "per esempio 1920x1080)\n",
                             args[i].c_str());
                return 2;
            }
        } else if (a == "--window" && i + 1 < args.size()) {
            std::array<float, 4> w{};
            if (!parseWindow(args[++i], w)) {
                std::fprintf(stderr,
                             "render: finestra non valida \"%s\" (attesa "
                             "sinistra,basso,destra,alto in cm)\n",
                             args[i].c_str());
                return 2;
            }
            window = w;
        } else if (a == "--light") {
            light = true;
        } else if (input.empty() && !a.empty() && a[0] != '-') {
            input = a;
        } else {
            return usageError("render", kUsage, "argomento non riconosciuto \"" + a + "\"");
        }
    }
    if (input.empty() || output.empty())
        return usageError("render", kUsage,
                          input.empty() ? "manca il file dati"
                                        : "manca l'immagine da scrivere (-o)");
#ifdef MURCAD_WITH_QT
    Wall wall;
    LoadResult r = loadWall(input, wall);
    if (r.outcome == LoadOutcome::BandElement) {
        std::fprintf(stderr, "%s: Elemento di fascia attualmente non gestito.\n", input.c_str());
        return 1;
    }
    if (!r.ok()) {
        std::fprintf(stderr, "%s\n", describeLoadError(r.error).c_str());
        return 1;
    }
    LayerSettings layers = makeDefaultLayerSettings();
    layers.LightBackground = light ? 1 : 0;
    defaultScreenColours(layers);
    std::string error;
    if (!renderSheetToFile(wall, layers, output, width, height, error, window)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
#else
    (void)light;
    (void)window;
    std::fprintf(stderr, "render: questa versione di murcad-cli non include il disegno su "
                         "immagine (costruita senza Qt)\n");
    return 1;
#endif
}

const bool registered = registerCommand("render", kUsage, &renderCommand);

} // namespace

} // namespace murcad::cli
