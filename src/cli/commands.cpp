// The sub-command registry of murcad-cli.
#include "cli/commands.h"

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
} // namespace

bool registerCommand(const char *name, const char *usage, CommandFn fn) {
    registry()[name] = {usage, fn};
    return true;
}

std::string usageText() {
    std::string s = "Uso: murcad-cli COMANDO [opzioni]\n\nComandi:\n";
    for (const auto &[name, e] : registry())
        s += "  " + e.usage + "\n";
    return s;
}

int runCommand(const std::string &name, const std::vector<std::string> &args) {
    auto it = registry().find(name);
    if (it == registry().end()) {
        std::fprintf(stderr, "murcad-cli: comando sconosciuto \"%s\"\n\n%s", name.c_str(),
                     usageText().c_str());
        return 2;
    }
    return it->second.fn(args);
}

} // namespace murcad::cli
