// murcad-cli verifica: detailing checks of the reinforcement of one or more walls, as a table
// per wall or as JSON.
#include "checks/check_text.h"
#include "checks/detailing_checks.h"
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "model/folders.h"
#include "model/settings_file.h"
#include "model/user_profile.h"
#include "model/wall_file.h"

#include <cstdio>
#include <string>
#include <vector>

namespace murcad::cli {

namespace {

constexpr const char *kUsage =
    "verifica PARETE.PAR... [--json]\n"
    "verifiche di dettaglio delle armature (EN 1992-1-1 9.6 e 9.5.3), non una verifica di\n"
    "progetto; esce con 0 se tutte sono soddisfatte, 1 se qualcuna non lo è o se un file\n"
    "non è stato letto";

int usageError(const std::string &message) { return cli::usageError("verifica", kUsage, message); }

const char *senseName(LimitSense s) { return s == LimitSense::AtLeast ? "min" : "max"; }

const char *outcomeKey(CheckOutcome o) {
    switch (o) {
    case CheckOutcome::Pass:
        return "pass";
    case CheckOutcome::Warning:
        return "warning";
    case CheckOutcome::Fail:
        return "fail";
    }
    return "";
}

void addJson(JsonWriter &j, const Wall &wall, const std::vector<CheckResult> &results) {
    for (const CheckResult &r : results) {
        j.beginObject();
        j.value("WallFile", wall.WallFile);
        j.value("WallNumber", wall.WallNumber);
        j.value("Storey", r.storey + 1);
        j.value("Zone", std::string_view(checkZoneName(r.zone)));
        j.value("Check", r.check);
        j.value("Clause", r.clause);
        j.value("Value", r.value);
        j.value("Limit", r.limit);
        j.value("Sense", std::string_view(senseName(r.sense)));
        j.value("Unit", r.unit);
        j.value("Pass", r.outcome != CheckOutcome::Fail);
        j.value("Outcome", std::string_view(outcomeKey(r.outcome)));
        j.value("Note", r.note);
        j.endObject();
    }
}

int runVerifica(const std::vector<std::string> &args) {
    bool json = false;
    std::vector<std::string> walls;
    for (const std::string &a : args) {
        if (a == "--json")
            json = true;
        else if (a.size() > 1 && a[0] == '-')
            return usageError("opzione sconosciuta \"" + a + "\"");
        else
            walls.push_back(normalisePath(a));
    }
    if (walls.empty())
        return usageError("Non sono stati selezionati i file dati.");

    // The lap factor comes from the user's settings, as in the desktop program: it decides
    // where the edge zones' close stirrups stop.
    SettingsFileValues settings = readUserSettings();
    // The limits are the user's, from the preferences (the recommended values by default).
    UserProfile profile;
    std::vector<LoadError> profileMessages;
    loadUserProfile(userProfilePath(), profile, &profileMessages);
    DetailingLimits limits = detailingLimits(profile, &profileMessages);
    for (const LoadError &e : profileMessages)
        std::fprintf(stderr, "Attenzione: %s\n", describeLoadError(e).c_str());
    std::vector<std::string> changed = changedDetailingLimits(limits);

    JsonWriter j;
    j.beginArray();
    bool anyFailed = false, anyUnread = false;
    int checked = 0;
    for (const std::string &path : walls) {
        Wall wall;
        wall.LapFactor = settings.LapFactor;
        wall.ExtraOption = settings.ExtraOption;
        LoadResult r = loadWall(path, wall);
        if (r.outcome == LoadOutcome::BandElement) {
            std::fprintf(stderr, "%s: Elemento di fascia attulmente non gestito.\n",
                         path.c_str());
            anyUnread = true;
            continue;
        }
        if (!r.ok()) {
            std::fprintf(stderr, "%s\n", describeLoadError(r.error).c_str());
            anyUnread = true;
            continue;
        }
        ++checked;
        std::vector<CheckResult> results = checkWall(wall, limits);
        CheckSummary s = summarise(results);
        anyFailed = anyFailed || s.failed > 0;
        if (json) {
            addJson(j, wall, results);
        } else {
            std::string title = std::string(fileName(path)) + " - Parete n." +
                                std::to_string(wall.WallNumber);
            std::fputs(checksTable(title, results).c_str(), stdout);
            std::fputs("\n", stdout);
        }
    }
    j.endArray();
    if (json)
        std::fputs((j.str() + "\n").c_str(), stdout);
    if (walls.size() > 1)
        std::fprintf(stderr, "Pareti verificate: %d su %zu\n", checked, walls.size());
    if (!json && !changed.empty()) {
        std::fputs("Limiti diversi dai valori raccomandati:\n", stdout);
        for (const std::string &c : changed)
            std::fprintf(stdout, "  %s\n", c.c_str());
    }
    if (!json && checked > 0)
        std::fputs("Verifiche di dettaglio delle armature secondo EN 1992-1-1 (9.6, 9.5.3): "
                   "non sostituiscono la verifica di progetto.\n",
                   stdout);
    return anyFailed || anyUnread ? 1 : 0;
}

} // namespace

static const bool registered = registerCommand("verifica", kUsage, &runVerifica);

} // namespace murcad::cli
