// The options of the desktop program (murcad): what to do with its command line.
#pragma once

#include <QString>
#include <QStringList>

namespace murcad::app {

/// What the command line asks of the program.
enum class StartAction {
    Open,        ///< open the window, with the wall file in file when there is one
    Help,        ///< print helpText() and stop
    Version,     ///< print versionText() and stop
    Export,      ///< export the wall file into folder without windows
    Screenshots, ///< pictures of the window and the dialogs into folder (for the developers)
    UsageError,  ///< print error and the usage, exit with 2
};

struct StartArguments {
    StartAction action = StartAction::Open;
    QString file;   ///< the wall file named (Open, Export, Screenshots)
    QString folder; ///< the output folder (Export, Screenshots)
    QString error;  ///< why the command line was refused (UsageError)
};

/// Reads the arguments after the program name. Options come first; "--" ends them, so a wall
/// file whose name starts with "-" can still be opened. Everything else is the wall file name,
/// its words joined by blanks (a path with blanks may come unquoted from a file manager).
StartArguments parseStartArguments(const QStringList &args);

/// The text of murcad --help (Italian, as the program speaks).
QString helpText();
/// The text of murcad --version.
QString versionText();

} // namespace murcad::app
