// Sub-commands of murcad-cli; each lives in its own file and registers itself here.
#pragma once

#include <string>
#include <vector>

namespace murcad::cli {

using CommandFn = int (*)(const std::vector<std::string> &args);

/// Adds a sub-command (called from a static initialiser in the command's own file).
bool registerCommand(const char *name, const char *usage, CommandFn fn);
/// Usage text listing every sub-command.
std::string usageText();
/// Runs one sub-command; returns the process exit code.
int runCommand(const std::string &name, const std::vector<std::string> &args);

} // namespace murcad::cli
