// Messages shared by the sub-commands of murcad-cli.
#include "cli/cli_messages.h"

#include "model/folders.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace murcad::cli {

std::string formatUsage(const char *usage, const char *lead) {
    std::istringstream in(usage);
    std::string line, text;
    for (bool first = true; std::getline(in, line); first = false)
        text += (first ? lead : "      ") + line + "\n";
    return text;
}

int usageError(const char *command, const char *usage, const std::string &message) {
    std::fprintf(stderr, "murcad-cli %s: %s\n%s", command, message.c_str(),
                 formatUsage(usage).c_str());
    return 2;
}

SettingsFileValues readUserSettings() {
    SettingsFileValues settings;
    std::vector<std::string> problems;
    readSettings(findFolders().ProfileFolder, settings, &problems);
    for (const std::string &p : problems)
        std::fprintf(stderr, "Attenzione: %s\n", p.c_str());
    return settings;
}

const char *fileName(const std::string &path) {
    std::size_t slash = path.find_last_of("/\\");
    return path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}

} // namespace murcad::cli
