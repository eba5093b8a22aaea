// murcad-cli tavole: print-ready sheets of a batch of walls, one PDF page per wall, to scale.
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "model/folders.h"
#include "model/settings_file.h"
#include "model/user_profile.h"
#include "sheets/sheet_batch.h"

#ifdef MURCAD_WITH_QT
#include "qtdraw/sheet_pdf.h"
#endif

#include <cstdio>
#include <string>
#include <vector>

namespace murcad::cli {

namespace {

constexpr const char *kUsage =
    "tavole -o FILE.pdf [--scale 1:50] [--paper auto|A4|A3|A2|A1|A0]\n"
    "       [--orientation auto|verticale|orizzontale] [--colour] [--progetto TESTO]\n"
    "       [--disegnatore TESTO] [--verificatore TESTO] [--revisione TESTO] PARETE.PAR...\n"
    "scrive le tavole in scala in un PDF, una pagina per parete su carta ISO con cornice e\n"
    "cartiglio (progetto, disegnatore e verificatore dalle preferenze dell'utente); esce con 1\n"
    "se qualche parete non è stata stampata";

int usageError(const std::string &message) {
    return cli::usageError("tavole", kUsage, message);
}

const char *statusText(SheetWallOutcome::Status s) {
    switch (s) {
    case SheetWallOutcome::Planned:
        return "in tavola";
    case SheetWallOutcome::BandElement:
        return "fascia, non disegnata";
    case SheetWallOutcome::TooLarge:
        return "troppo grande per il foglio";
    default:
        return "non letta";
    }
}

int runTavole(const std::vector<std::string> &args) {
    std::string out;
    SheetOptions options;
    std::vector<std::string> walls;
    // The title block texts stored with the user's preferences; options override them.
    UserProfile profile;
    std::vector<LoadError> profileMessages;
    loadUserProfile(userProfilePath(), profile, &profileMessages);
    for (const LoadError &e : profileMessages)
        std::fprintf(stderr, "Attenzione: %s\n", e.message.c_str());
    options.texts = titleBlockTexts(profile);
    options.date = todayText();

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        std::string v;
        auto value = [&]() {
            if (i + 1 >= args.size())
                return false;
            v = args[++i];
            return true;
        };
        if (a == "-o" || a == "--output") {
            if (!value())
                return usageError("manca il nome del file dopo " + a);
            out = v;
        } else if (a == "--scale" || a == "--scala") {
            std::string why;
            if (!value())
                return usageError("manca la scala dopo " + a);
            if (!parseScale(v, options.request.scale, &why))
                return usageError(why);
        } else if (a == "--paper" || a == "--formato") {
            if (!value())
                return usageError("manca il formato dopo " + a);
            if (!parsePaper(v, options.request.paper))
                return usageError("formato \"" + v +
                                  "\" non valido: atteso auto, A4, A3, A2, "
                                  "A1 o A0");
        } else if (a == "--orientation" || a == "--orientamento") {
            if (!value())
                return usageError("manca l'orientamento dopo " + a);
            if (!parseOrientation(v, options.request.orientation))
                return usageError("orientamento \"" + v +
                                  "\" non valido: atteso auto, verticale o orizzontale");
        } else if (a == "--colour" || a == "--color" || a == "--colore") {
            options.inColour = true;
        } else if (a == "--progetto" || a == "--disegnatore" || a == "--verificatore" ||
                   a == "--revisione") {
            if (!value())
                return usageError("manca il testo dopo " + a);
            std::string &t = a == "--progetto"       ? options.texts.Project
                             : a == "--disegnatore"  ? options.texts.DrawnBy
                             : a == "--verificatore" ? options.texts.CheckedBy
                                                     : options.texts.Revision;
            t = v;
        } else if (a.size() > 1 && a[0] == '-') {
            return usageError("opzione sconosciuta \"" + a + "\"");
        } else {
            walls.push_back(normalisePath(a));
        }
    }
    if (out.empty())
        return usageError("manca il file PDF da scrivere (-o FILE.pdf)");
    if (walls.empty())
        return usageError("Non sono stati selezionati i file dati.");

#ifdef MURCAD_WITH_QT
    // Layer colours and the lap factor as the program keeps them for this user.
    SettingsFileValues settings = readUserSettings();
    Wall wall;
    wall.LapFactor = settings.LapFactor;
    wall.ExtraOption = settings.ExtraOption;
    SheetPlan plan =
        planSheets(walls, options, wall, [](int n, int count, const SheetWallOutcome &o) {
            std::fprintf(stderr, "[%d/%d] %s: %s\n", n + 1, count, fileName(o.path),
                         statusText(o.status));
            if (!o.message.empty())
                std::fprintf(stderr, "        %s\n", o.message.c_str());
        });
    SheetPdfResult r;
    if (!plan.pages.empty()) {
        r = writeSheetsPdf(normalisePath(out), plan, settings.Layers, options.inColour,
                           [&](int n, int count) {
                               std::fprintf(stderr, "Tavola %d di %d: %s\n", n + 1, count,
                                            fileName(plan.pages[n].wall.WallFile));
                           });
        if (!r.written) {
            std::fprintf(stderr, "murcad-cli tavole: %s\n", r.error.c_str());
            return 1;
        }
        std::fprintf(stderr, "File PDF scritto: %s (%d tavole, %lld byte, scala %s)\n", out.c_str(),
                     r.pages, r.bytes, scaleText(options.request.scale).c_str());
    } else {
        std::fprintf(stderr, "Nessuna tavola da stampare: il file %s non è stato scritto.\n",
                     out.c_str());
    }
    std::fprintf(stderr,
                 "Pareti in tavola: %zu; fasce non disegnate: %d; troppo grandi: %d; file non "
                 "letti: %d\n",
                 plan.pages.size(), plan.count(SheetWallOutcome::BandElement),
                 plan.count(SheetWallOutcome::TooLarge), plan.count(SheetWallOutcome::Failed));
    for (const std::string &m : plan.messages())
        std::fprintf(stderr, "%s\n", m.c_str());
    const bool allPrinted =
        plan.count(SheetWallOutcome::TooLarge) == 0 && plan.count(SheetWallOutcome::Failed) == 0;
    return !plan.pages.empty() && allPrinted ? 0 : 1;
#else
    std::fprintf(stderr, "tavole: questa versione di murcad-cli non include la stampa delle "
                         "tavole (costruita senza Qt)\n");
    return 1;
#endif
}

} // namespace

static const bool registered = registerCommand("tavole", kUsage, &runTavole);

} // namespace murcad::cli
