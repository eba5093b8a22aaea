// murcad-cli: entry point and sub-command dispatch.
#include "cli/commands.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "-h" || args[0] == "--help") {
        std::fputs(murcad::cli::usageText().c_str(), args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    std::string cmd = args[0];
    args.erase(args.begin());
    return murcad::cli::runCommand(cmd, args);
}
