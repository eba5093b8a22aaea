// murcad-cli set: the grid's values and the section cuts of many walls from a script, with the
// rules and limits of the program; all or nothing.
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "geometry/numbers.h"
#include "geometry/section_pick.h"
#include "model/folders.h"
#include "model/property_grid.h"
#include "model/wall_file.h"
#include "model/wall_limits.h"
#include "model/wall_save.h"

#include <cstdio>
#include <string>
#include <vector>

namespace murcad::cli {

namespace {

constexpr const char *kUsage =
    "set PARETE.PAR... \"PROPRIETÀ=VALORE\"... [--add-horizontal QUOTA] [--add-vertical X]\n"
    "[--remove-horizontal N] [--remove-vertical NOME]\n"
    "cambia i valori della griglia (\"Quota iniziale=100\", \"H 2=250,5\", \"Offset Dx H 1=10\")\n"
    "e le sezioni delle pareti date, nell'ordine dato e con le regole del programma; salva i\n"
    "file .wpx solo se ogni modifica è accettata per ogni parete, altrimenti esce con 1 e non\n"
    "scrive nulla";

int usageError(const std::string &message) { return cli::usageError("set", kUsage, message); }

/// One edit of the command line, applied to every wall in order.
struct Edit {
    enum Kind { Property, AddHorizontal, AddVertical, RemoveHorizontal, RemoveVertical } kind;
    std::string name;  ///< the property (Property only)
    std::string value; ///< the value as typed
};

/// A wall loaded, edited in memory and saved only when every wall took every edit.
struct WallRun {
    std::string path;
    Wall wall;
    LoadResult load;
    std::vector<std::string> changes;
};

std::string levelText(float v) { return formatNumber(v, 1); }

// Applies one edit; false with why when it is refused (the wall is then left as it was).
bool apply(WallRun &run, const Edit &e, std::string &why) {
    Wall &w = run.wall;
    float v = 0;
    switch (e.kind) {
    case Edit::Property: {
        int id = gridItemIdByCaption(w, e.name);
        if (id == 0) {
            why = "proprietà \"" + e.name + "\" sconosciuta (per esempio \"Quota iniziale\", "
                  "\"Spess. fondazione\", \"H 1\", \"Offset Dx H 1\", \"Offset Sx H 1\"; piani da 1 a " +
                  std::to_string(w.storeyCount()) + ")";
            return false;
        }
        std::string caption = gridItemCaption(w, id), before = gridItemValue(w, id);
        GridEditResult r = applyGridEdit(w, id, e.value);
        if (!r.accepted) {
            why = r.refusal;
            return false;
        }
        if (r.shownText != before)
            run.changes.push_back(caption + ": " + before + " -> " + r.shownText);
        return true;
    }
    case Edit::AddHorizontal: {
        const limits::ValueLimit inside{"Sezione orizzontale (quota)", w.BaseLevel,
                                        w.BaseLevel + w.TotalHeight, 1};
        if (!limits::acceptValue(inside, e.value, v, why))
            return false;
        InsertResult r = insertHorizontalSection(w, v);
        if (r != InsertResult::Inserted) {
            why = r == InsertResult::TableFull
                      ? "la parete ha già " + std::to_string(kMaxHorizSections) +
                            " sezioni orizzontali"
                      : "nessuna sezione orizzontale alla quota " + e.value +
                            " (valori ammessi: fra " + limits::rangeText(inside) + ", esclusi)";
            return false;
        }
        run.changes.push_back("sezione orizzontale inserita alla quota " + levelText(v));
        return true;
    }
    case Edit::AddVertical: {
        const limits::ValueLimit inside{"Sezione verticale (ascissa)", w.FirstStoreyLeftX,
                                        w.FirstStoreyRightX, 1};
        if (!limits::acceptValue(inside, e.value, v, why))
            return false;
        InsertResult r = insertVerticalSection(w, v);
        if (r != InsertResult::Inserted) {
            why = r == InsertResult::TableFull
                      ? "la parete ha già " + std::to_string(kMaxVertSections) +
                            " sezioni verticali"
                      : "nessuna sezione verticale all'ascissa " + e.value +
                            " (valori ammessi: fra " + limits::rangeText(inside) + ", esclusi)";
            return false;
        }
        run.changes.push_back("sezione verticale inserita all'ascissa " + levelText(v));
        return true;
    }
    case Edit::RemoveHorizontal: {
        const limits::ValueLimit existing{"Sezione orizzontale da togliere", 1,
                                          static_cast<double>(w.horizSectionCount()), 0};
        if (w.horizSectionCount() == 0) {
            why = "la parete non ha sezioni orizzontali da togliere";
            return false;
        }
        if (!limits::acceptValue(existing, e.value, v, why))
            return false;
        int k = static_cast<int>(v) - 1;
        run.changes.push_back("sezione orizzontale " + std::to_string(k + 1) +
                              " (quota " + levelText(w.HorizSections[k].Y1) + ") tolta");
        removeHorizontalSection(w, k);
        return true;
    }
    case Edit::RemoveVertical: {
        for (int k = 0; k < w.vertSectionCount(); ++k)
            if (vertSectionName(k) == e.value) {
                run.changes.push_back("sezione verticale " + e.value + " (ascissa " +
                                      levelText(w.VertSections[k].X1) + ") tolta");
                removeVerticalSection(w, k);
                return true;
            }
        why = "la parete non ha una sezione verticale \"" + e.value + "\"" +
              (w.vertSectionCount() > 0 ? " (sezioni da A a " +
                                              vertSectionName(w.vertSectionCount() - 1) + ")"
                                        : std::string());
        return false;
    }
    }
    return false;
}

int runSet(const std::vector<std::string> &args) {
    std::vector<std::string> walls;
    std::vector<Edit> edits;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        auto option = [&](Edit::Kind kind) {
            if (i + 1 >= args.size())
                return false;
            edits.push_back({kind, {}, args[++i]});
            return true;
        };
        if (a == "--add-horizontal" || a == "--add-vertical" || a == "--remove-horizontal" ||
            a == "--remove-vertical") {
            Edit::Kind kind = a == "--add-horizontal"      ? Edit::AddHorizontal
                              : a == "--add-vertical"      ? Edit::AddVertical
                              : a == "--remove-horizontal" ? Edit::RemoveHorizontal
                                                           : Edit::RemoveVertical;
            if (!option(kind))
                return usageError("manca il valore dopo " + a);
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            return usageError("opzione sconosciuta \"" + a + "\"");
        } else if (auto eq = a.find('='); eq != std::string::npos) {
            edits.push_back({Edit::Property, a.substr(0, eq), a.substr(eq + 1)});
        } else {
            walls.push_back(normalisePath(a));
        }
    }
    if (walls.empty())
        return usageError("Non sono stati selezionati i file dati.");
    if (edits.empty())
        return usageError("nessuna modifica indicata (per esempio \"H 2=250,5\")");

    // Every wall is loaded and edited in memory first: one refusal and nothing is written.
    SettingsFileValues settings = readUserSettings();
    std::vector<WallRun> runs;
    for (const std::string &path : walls) {
        WallRun run;
        run.path = path;
        run.wall.LapFactor = settings.LapFactor;
        run.wall.ExtraOption = settings.ExtraOption;
        run.load = loadWall(path, run.wall);
        if (run.load.outcome == LoadOutcome::BandElement) {
            std::fprintf(stderr, "murcad-cli set: %s: Elemento di fascia attulmente non gestito.\n",
                         path.c_str());
            return 1;
        }
        if (!run.load.ok()) {
            std::fprintf(stderr, "murcad-cli set: %s\n", describeLoadError(run.load.error).c_str());
            return 1;
        }
        if (!run.load.companionProblem.empty())
            std::fprintf(stderr, "Attenzione: %s\n", run.load.companionProblem.c_str());
        for (const Edit &e : edits) {
            std::string why;
            if (!apply(run, e, why)) {
                std::fprintf(stderr, "murcad-cli set: %s: %s\nNessun file scritto.\n",
                             path.c_str(), why.c_str());
                return 1;
            }
        }
        runs.push_back(std::move(run));
    }
    int failed = 0;
    for (WallRun &run : runs) {
        std::string kept, why;
        bool keepOld = !run.load.companionSetAside.empty();
        if (!saveCompanion(run.path, run.wall, keepOld, &kept, &why)) {
            std::fprintf(stderr, "murcad-cli set: %s\n", why.c_str());
            ++failed;
            continue;
        }
        for (const std::string &c : run.changes)
            std::printf("%s: %s\n", fileName(run.path), c.c_str());
        std::printf("%s: salvato %s%s\n", fileName(run.path),
                    fileName(companionPath(run.path)),
                    kept.empty() ? "" : (" (il precedente è in " + kept + ")").c_str());
    }
    return failed ? 1 : 0;
}

} // namespace

static const bool registered = registerCommand("set", kUsage, &runSet);

} // namespace murcad::cli
