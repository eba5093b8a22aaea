// murcad-cli computo: the bill of materials of one wall or of a batch of walls, as RTF, CSV
// and JSON.
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "model/atomic_file.h"
#include "model/folders.h"
#include "model/settings_file.h"
#include "model/wall_file.h"
#include "takeoff/batch.h"
#include "takeoff/report_csv.h"
#include "takeoff/report_json.h"
#include "takeoff/report_numbers.h"
#include "takeoff/report_rtf.h"

#include <cstdio>
#include <string>
#include <vector>

namespace murcad::cli {

namespace {

constexpr int kMaxBatchWalls = 101;

constexpr const char *kUsage =
    "computo PARETE.PAR... -o COMPUTO.rtf [--per-diameter] [--csv RIGHE.csv] [--json]\n"
    "computo materiali (RTF, righe CSV, JSON su stdout); con più file aggiunge le quantità\n"
    "totali; esce con 1 se qualche file non è stato letto";

int usageError(const std::string &message) {
    return cli::usageError("computo", kUsage, message);
}

int runComputo(const std::vector<std::string> &args) {
    std::string rtfPath, csvPath;
    bool json = false;
    ReportOptions options;
    std::vector<std::string> walls;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        auto value = [&](std::string &target) {
            if (i + 1 >= args.size())
                return false;
            target = normalisePath(args[++i]);
            return true;
        };
        if (a == "-o" || a == "--output") {
            if (!value(rtfPath))
                return usageError("manca il nome del file dopo " + a);
        } else if (a == "--csv") {
            if (!value(csvPath))
                return usageError("manca il nome del file dopo --csv");
        } else if (a == "--json") {
            json = true;
        } else if (a == "--per-diameter") {
            options.perDiameter = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return usageError("opzione sconosciuta \"" + a + "\"");
        } else {
            walls.push_back(normalisePath(a));
        }
    }
    if (rtfPath.empty() && csvPath.empty() && !json)
        return usageError("manca il file del computo da scrivere (-o COMPUTO.rtf)");
    if (walls.empty())
        return usageError("Non sono stati selezionati i file dati.");
    if (static_cast<int>(walls.size()) > kMaxBatchWalls)
        return usageError("un computo comprende al massimo " + std::to_string(kMaxBatchWalls) +
                          " pareti (ne sono state date " + std::to_string(walls.size()) + ")");
    options.decimalSeparator = userDecimalSeparator();

    // The lap factor comes from the user's settings, as in the desktop program.
    SettingsFileValues settings = readUserSettings();
    Wall wall;
    wall.LapFactor = settings.LapFactor;
    wall.ExtraOption = settings.ExtraOption;

    TakeoffRun run;
    if (walls.size() == 1) {
        // One wall: its section only, as from the main window.
        LoadResult r = loadWall(walls[0], wall);
        if (r.outcome == LoadOutcome::BandElement) {
            std::fprintf(stderr, "%s: Elemento di fascia attulmente non gestito.\n",
                         walls[0].c_str());
            return 1;
        }
        if (!r.ok()) {
            std::fprintf(stderr, "%s\n", describeLoadError(r.error).c_str());
            return 1;
        }
        run = takeOffSingleWall(wall);
    } else {
        run = takeOffFiles(walls, wall, loadWall,
                           [](int done, int total, const std::string &path, bool computed) {
                               std::fprintf(stderr, "[%d/%d] %s: %s\n", done, total, fileName(path),
                                            computed ? "computata" : "non computata");
                           });
        for (const SkippedWall &s : run.skipped)
            std::fprintf(stderr, "  non computata: %s: %s\n", s.file.c_str(), s.reason.c_str());
    }

    bool ok = true;
    std::string why;
    if (!rtfPath.empty()) {
        if (!writeReportRtf(rtfPath, computoRtf(run, options), &why)) {
            std::fprintf(stderr, "murcad-cli computo: %s\n", why.c_str());
            ok = false;
        }
    }
    if (!csvPath.empty()) {
        if (!writeFileAtomically(csvPath, takeoffCsv(run), &why)) {
            std::fprintf(stderr, "murcad-cli computo: %s\n", why.c_str());
            ok = false;
        }
    }
    if (json)
        std::fputs(takeoffJson(run).c_str(), stdout);
    if (run.batch)
        std::fprintf(stderr, "Pareti computate: %d su %zu\n", run.WallsComputed, walls.size());
    return ok && run.skipped.empty() ? 0 : 1;
}

} // namespace

static const bool registered = registerCommand("computo", kUsage, &runComputo);

} // namespace murcad::cli
