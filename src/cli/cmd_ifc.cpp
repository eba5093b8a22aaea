// murcad-cli ifc: one IFC4 file of a batch of wall files, with every storey, the foundation
// and every reinforcing bar.
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "ifc/ifc_export.h"
#include "model/folders.h"
#include "model/settings_file.h"

#include <cstdio>
#include <string>
#include <vector>

namespace murcad::cli {

namespace {

constexpr const char *kUsage =
    "ifc -o FILE.ifc PARETE.PAR...\n"
    "scrive un file IFC4 con le pareti affiancate, le fondazioni e tutte le barre; esce con 1\n"
    "se qualche file non è stato letto";

int usageError(const std::string &message) { return cli::usageError("ifc", kUsage, message); }

int runIfc(const std::vector<std::string> &args) {
    std::string out;
    std::vector<std::string> walls;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        if (a == "-o" || a == "--output") {
            if (i + 1 >= args.size())
                return usageError("manca il nome del file dopo " + a);
            out = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            return usageError("opzione sconosciuta \"" + a + "\"");
        } else {
            walls.push_back(normalisePath(a));
        }
    }
    if (out.empty())
        return usageError("manca il file IFC da scrivere (-o FILE.ifc)");
    if (walls.empty())
        return usageError("Non sono stati selezionati i file dati.");

    // The lap factor and the options as the program keeps them for this user: the bars'
    // laps, and so their lengths, follow them.
    SettingsFileValues settings = readUserSettings();
    Wall wall;
    wall.LapFactor = settings.LapFactor;
    wall.ExtraOption = settings.ExtraOption;

    IfcExportHooks hooks;
    hooks.progress = [](int n, int count, const IfcWallOutcome &o) {
        if (o.status == IfcWallOutcome::Exported)
            std::fprintf(stderr, "[%d/%d] %s: esportata (%d barre)\n", n + 1, count,
                         fileName(o.path), o.bars);
        else if (o.status == IfcWallOutcome::BandElement)
            std::fprintf(stderr, "[%d/%d] %s: fascia, non esportata\n", n + 1, count,
                         fileName(o.path));
        else
            std::fprintf(stderr, "[%d/%d] %s: non letta\n        %s\n", n + 1, count,
                         fileName(o.path), o.error.c_str());
    };
    IfcWriteResult r = writeIfc(normalisePath(out), walls, wall, hooks);
    if (!r.written) {
        std::fprintf(stderr, "murcad-cli ifc: %s\n", r.error.c_str());
        return 1;
    }
    std::fprintf(stderr,
                 "File IFC scritto: %s (%zu byte)\n"
                 "Pareti esportate: %d; piani: %d; barre: %d; acciaio: %.1f kg\n",
                 out.c_str(), r.bytes, r.exported(), r.counts.storeys, r.counts.bars,
                 r.counts.steelKg);
    for (const auto &m : r.messages())
        std::fprintf(stderr, "%s\n", m.c_str());
    if (r.nonFiniteValues > 0)
        std::fprintf(stderr, "Attenzione: %d coordinate non numeriche scritte come zero.\n",
                     r.nonFiniteValues);
    return r.failed().empty() ? 0 : 1;
}

} // namespace

static const bool registered = registerCommand("ifc", kUsage, &runIfc);

} // namespace murcad::cli
