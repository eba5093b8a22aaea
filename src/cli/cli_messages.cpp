// Messages shared by the sub-commands of murcad-cli.
#include "cli/cli_messages.h"

#include <cstdio>

namespace murcad::cli {

int usageError(const char *command, const char *usage, const std::string &message) {
    std::fprintf(stderr, "murcad-cli %s: %s\nUso: murcad-cli %s\n", command, message.c_str(),
                 usage);
    return 2;
}

const char *fileName(const std::string &path) {
    std::size_t slash = path.find_last_of("/\\");
    return path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}

} // namespace murcad::cli
