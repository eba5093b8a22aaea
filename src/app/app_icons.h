// The toolbar and menu icons, drawn by the program itself.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

namespace murcad::app {

/// The icon of a command's icon key ("open", "save", "zpiu", "sezor", ...); a null icon for
/// an unknown key. Drawn at 24 and 48 pixels.
QIcon commandIcon(const QString &key);

/// The pointer of a click mode: a crosshair with the icon of the command that armed it.
QCursor modeCursor(const QString &key);

/// The program's own window icon: a wall elevation with its bars.
QIcon applicationIcon();

} // namespace murcad::app
