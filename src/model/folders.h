// The host and profile folders, file existence and the working folders for the DXF export.
#pragma once

#include <string>

namespace murcad {

/// Folders found at start-up.
struct Folders {
    std::string HostFolder;    ///< where the DXF templates are (see templateFolder)
    std::string ProfileFolder; ///< the user's home, where "Veruz2008.ini" lives
};

/// The folder of the DXF templates for a program in exeFolder: exeFolder itself when
/// "Init1.kvl" is there (the build folder), else exeFolder/../share/murcad when it is there
/// (an installed program: bin/ beside share/), else exeFolder (the export then reports the
/// missing template with its path).
std::string templateFolder(const std::string &exeFolder);

/// The template folder of the running executable (HostFolder) and the user's home (HOME; the
/// host folder when unset).
Folders findFolders();

/// True when a regular file exists at path (backslashes read as folder separators).
bool fileExists(const std::string &path);

/// Turns "\" into "/" so paths written on Windows can be used here.
std::string normalisePath(const std::string &path);

/// True when name ends in ".PAR" in any letter case.
bool hasParExtension(const std::string &name);

/// The folder of a wall file path; for a bare file name the host product's recent drawings
/// folder, or the current folder when there is none.
std::string workingFolder(const std::string &path, const std::string &settingsRoot = "");

/// The drawings folder of the host product's most recent project: the value "File1" of the
/// recent-project list (QSettings "Korvel"/"STRUMA", group "Recent File List"), with ".stx"
/// replaced by "_data/disegni". Empty when the list is missing; the user's home when the value
/// cannot be used or the folder does not exist. settingsRoot overrides ~/.config (for tests).
std::string recentDrawingsFolder(const std::string &settingsRoot = "");

} // namespace murcad
