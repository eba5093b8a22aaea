// murcad-cli: entry point; options and sub-commands are dispatched by runMain.
#include "cli/commands.h"

#include <string>
#include <vector>

int main(int argc, char **argv) {
    return murcad::cli::runMain(std::vector<std::string>(argv + 1, argv + argc));
}
