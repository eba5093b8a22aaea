// The wall file named on the command line, and the file title shown in the main window.
#pragma once

#include <string>
#include <string_view>

namespace murcad {

/// Strips surrounding double quotes: a leading quote is dropped, then a quote that is the last
/// character of what is left and the first quote in it.
std::string filterQuotes(std::string_view text);

/// The wall data file to load from a command-line path: the path cut just after the first
/// ".PAR" of its file name (found without regard to case, the case of the path kept; folders
/// are never cut). Empty when the file name holds no ".PAR".
std::string wallFileFromPath(std::string_view path);

/// True when the file name is unset: "" or "Anonimo" (any case).
bool isUnnamedWall(std::string_view wallFile);

/// The part of a path behind its last "\" or "/"; "Anonimo" for an empty path.
std::string fileTitle(std::string_view path);

/// The main-window caption: "MURCAD Vavire -  [ " + file title + " ]", followed by "*" while
/// the wall has unsaved changes.
std::string mainWindowTitle(std::string_view wallFile, bool modified = false);

} // namespace murcad
