// Sub-commands of murcad-cli; each lives in its own file and registers itself here.
#pragma once

#include <string>
#include <vector>

namespace murcad::cli {

using CommandFn = int (*)(const std::vector<std::string> &args);

/// Adds a sub-command (called from a static initialiser in the command's own file). usage is
/// the command's synopsis ("dxf -o FILE.dxf PARETE.PAR..."), optionally followed by lines
/// ("\n") that say what it does; --help, the usage errors and the manual page show them.
bool registerCommand(const char *name, const char *usage, CommandFn fn);
/// The list of sub-commands: each synopsis on a line indented by two blanks, its description
/// below it indented by six.
std::string usageText();
/// The whole text of murcad-cli --help: synopsis, purpose, commands, options, exit status.
std::string helpText();
/// The text of murcad-cli --version.
std::string versionText();
/// Runs one sub-command (its own --help when asked); returns the process exit code.
int runCommand(const std::string &name, const std::vector<std::string> &args);
/// Runs murcad-cli with its arguments (without the program name); returns the exit code.
int runMain(const std::vector<std::string> &args);

} // namespace murcad::cli
