// murcad-cli dxf: one DXF file of a batch of wall files, side by side.
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "dxf/dxf_file.h"
#include "geometry/numbers.h"
#include "model/folders.h"
#include "model/settings_file.h"
#include "model/wall_limits.h"
#include "model/wall_file.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace murcad::cli {

namespace {

constexpr const char *kUsage =
    "dxf -o FILE.dxf [--scale 1:25] [--templates CARTELLA] PARETE.PAR...\n"
    "scrive un file DXF con le pareti affiancate (al massimo 101); esce con 1 se qualche\n"
    "file non è stato letto";

// "1:25" or "1,5:25": both parts numbers above 0.0001.
bool parseScale(const std::string &text, float &left, float &right) {
    std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return false;
    float l = 0, r = 0;
    std::string refusal;
    if (!limits::acceptValue(limits::kDxfScaleLimit, text.substr(0, colon), l, refusal) ||
        !limits::acceptValue(limits::kDxfScaleLimit, text.substr(colon + 1), r, refusal))
        return false;
    left = l;
    right = r;
    return true;
}

int usageError(const std::string &message) {
    return cli::usageError("dxf", kUsage, message);
}

int runDxf(const std::vector<std::string> &args) {
    std::string out, scaleText, templates;
    std::vector<std::string> walls;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        auto value = [&](std::string &target) {
            if (i + 1 >= args.size())
                return false;
            target = args[++i];
            return true;
        };
        if (a == "-o" || a == "--output") {
            if (!value(out))
                return usageError("manca il nome del file dopo " + a);
        } else if (a == "--scale") {
            if (!value(scaleText))
                return usageError("manca la scala dopo --scale");
        } else if (a == "--templates") {
            if (!value(templates))
                return usageError("manca la cartella dopo --templates");
        } else if (a.size() > 1 && a[0] == '-') {
            return usageError("opzione sconosciuta \"" + a + "\"");
        } else {
            walls.push_back(normalisePath(a));
        }
    }
    if (out.empty())
        return usageError("manca il file DXF da scrivere (-o FILE.dxf)");
    if (walls.empty())
        return usageError("Non sono stati selezionati i file dati.");
    if (static_cast<int>(walls.size()) > kMaxDxfWalls)
        return usageError("un file DXF contiene al massimo " + std::to_string(kMaxDxfWalls) +
                          " pareti (ne sono state date " + std::to_string(walls.size()) + ")");

    // Layer names, colours, scale and lap factor as the program keeps them for this user.
    Folders folders = findFolders();
    SettingsFileValues settings = readUserSettings();
    LayerSettings layers = settings.Layers;
    if (!scaleText.empty() && !parseScale(scaleText, layers.DxfScaleLeft, layers.DxfScaleRight))
        return usageError("Valori della scala non validi! (\"" + scaleText +
                          "\", atteso per esempio 1:25; ogni numero " +
                          limits::rangeText(limits::kDxfScaleLimit) + ")");

    Wall wall;
    wall.LapFactor = settings.LapFactor;
    wall.ExtraOption = settings.ExtraOption;
    DxfBatchHooks hooks;
    hooks.progress = [](int n, int count, const DxfWallOutcome &o) {
        const char *what = o.status == DxfWallOutcome::Drawn         ? "disegnata"
                           : o.status == DxfWallOutcome::BandElement ? "fascia, non disegnata"
                                                                     : "non letta";
        std::fprintf(stderr, "[%d/%d] %s: %s\n", n + 1, count, fileName(o.path), what);
        if (o.status == DxfWallOutcome::Failed)
            std::fprintf(stderr, "        %s\n", o.error.c_str());
    };
    DxfWriteResult r =
        writeDxf(normalisePath(out), templates.empty() ? folders.HostFolder : templates, walls,
                 layers, wall, hooks);
    if (!r.written) {
        std::fprintf(stderr, "murcad-cli dxf: %s\n", r.error.c_str());
        return 1;
    }
    std::fprintf(stderr,
                 "File DXF scritto: %s (%zu byte, scala %s:%s)\n"
                 "Pareti disegnate: %d; fasce non disegnate: %zu; file non letti: %zu\n",
                 out.c_str(), r.bytes, formatNumber(layers.DxfScaleLeft, 3).c_str(),
                 formatNumber(layers.DxfScaleRight, 3).c_str(), r.batch.drawn,
                 r.batch.bandElements.size(), r.batch.failed.size());
    for (const auto &f : r.batch.failed)
        std::fprintf(stderr, "  non letto: %s\n", f.error.c_str());
    if (!r.batch.bandElements.empty())
        std::fprintf(stderr, "%s\n", kBandElementsMessage);
    if (r.nonFiniteValues > 0)
        std::fprintf(stderr, "Attenzione: %d coordinate non numeriche scritte come zero.\n",
                     r.nonFiniteValues);
    return r.batch.failed.empty() ? 0 : 1;
}

} // namespace

static const bool registered = registerCommand("dxf", kUsage, &runDxf);

} // namespace murcad::cli
