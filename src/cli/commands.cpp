// The sub-command registry of murcad-cli, its help and version texts and the option dispatch.
#include "cli/commands.h"
#include "cli/cli_messages.h"

#include "murcad_version.h"

#include <cstdio>
#include <map>

namespace murcad::cli {

namespace {
struct Entry {
    std::string usage;
    CommandFn fn;
};
std::map<std::string, Entry> &registry() {
    static std::map<std::string, Entry> r;
    return r;
}

constexpr const char *kSynopsis = "Uso: murcad-cli COMANDO [opzioni] [PARETE.PAR...]\n"
                                  "     murcad-cli COMANDO --help\n"
                                  "     murcad-cli --help | --version\n";

bool isHelp(const std::string &a) {
    return a == "-h" || a == "--help";
}
bool isVersion(const std::string &a) {
    return a == "-V" || a == "--version";
}
} // namespace

bool registerCommand(const char *name, const char *usage, CommandFn fn) {
    registry()[name] = {usage, fn};
    return true;
}

std::string usageText() {
    std::string s = std::string(kSynopsis) + "\nComandi:\n";
    for (const auto &[name, e] : registry())
        s += formatUsage(e.usage.c_str(), "  ");
    return s;
}

std::string helpText() {
    return usageText() +
           "\nOpzioni:\n"
           "  -h, --help     mostra questo aiuto (dopo un comando: l'aiuto del comando) ed esce\n"
           "  -V, --version  mostra la versione ed esce\n"
           "\n"
           "Legge i file dati delle pareti (.PAR) scritti dal programma di calcolo e, come il\n"
           "programma " MURCAD_PRODUCT
           ", tiene conto del file delle modifiche (.wpx) accanto a ciascuno;\n"
           "non scrive mai i file dati. Le impostazioni (layer, colori, scala, fattore di\n"
           "sovrapposizione) sono quelle di ~/Veruz2008.ini.\n"
           "\n"
           "Stato d'uscita: 0 riuscito; 1 qualche file non è stato letto o scritto;\n"
           "2 comando o opzione errati.\n"
           "Manuale completo: man murcad-cli\n";
}

std::string versionText() {
    return "murcad-cli (" MURCAD_PRODUCT ") " MURCAD_VERSION "\n";
}

int runCommand(const std::string &name, const std::vector<std::string> &args) {
    auto it = registry().find(name);
    if (it == registry().end()) {
        std::fprintf(stderr, "murcad-cli: comando sconosciuto \"%s\"\n\n%s", name.c_str(),
                     usageText().c_str());
        return 2;
    }
    for (const std::string &a : args) {
        if (isHelp(a)) {
            std::fputs(formatUsage(it->second.usage.c_str()).c_str(), stdout);
            return 0;
        }
    }
    return it->second.fn(args);
}

int runMain(const std::vector<std::string> &args) {
    if (args.empty()) {
        std::fputs(usageText().c_str(), stderr);
        return 2;
    }
    if (isHelp(args[0])) {
        std::fputs(helpText().c_str(), stdout);
        return 0;
    }
    if (isVersion(args[0])) {
        std::fputs(versionText().c_str(), stdout);
        return 0;
    }
    if (args[0].size() > 1 && args[0][0] == '-') {
        std::fprintf(stderr, "murcad-cli: opzione sconosciuta \"%s\"\n\n%s", args[0].c_str(),
                     usageText().c_str());
        return 2;
    }
    return runCommand(args[0], std::vector<std::string>(args.begin() + 1, args.end()));
}

} // namespace murcad::cli
