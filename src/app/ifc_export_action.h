// "Esporta IFC...": the wall on screen, with its unsaved changes, written as an IFC4 file.
#pragma once

#include "prompts.h"

#include "model/wall.h"

#include <QString>

class QWidget;

namespace murcad::app {

/// The file name offered by the save dialog: the wall file's name with ".ifc".
QString proposedIfcName(const Wall &wall);

/// Asks for the IFC file and writes the wall as it stands (changes not yet saved included).
/// Tells the user where it went, or why nothing was written. Returns true when written.
bool exportIfcOfWall(QWidget *parent, Prompts &prompts, const Wall &wall);

} // namespace murcad::app
