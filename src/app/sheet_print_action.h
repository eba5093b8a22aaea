// "Stampa..." and "Esporta tavola PDF...": the sheet of the wall on screen, to scale, with its
// frame and title block, through the print preview or into a PDF file.
#pragma once

#include "prompts.h"

#include "model/app_state.h"
#include "sheets/sheet_batch.h"

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace murcad::app {

/// The section of the user's preferences that remembers the last sheet choices.
inline constexpr const char *kSheetChoicesSection = "tavole";

/// Reads the user's preferences file into the state (title block texts). Returns the messages
/// about values that could not be used (empty when all is well).
QString loadUserPreferences(AppState &state);

/// The sheet choices for the wall on screen: the last ones the user made (or 1:50, automatic
/// paper and orientation, black), the title block texts of the state and today's date.
SheetOptions initialSheetOptions(const AppState &state);

/// What the commands ask of the user, replaceable by tests.
struct SheetActionHooks {
    /// Shows the choices; false when cancelled. Default: the "Tavola" dialog.
    std::function<bool(SheetOptions &)> choose;
    /// Shows the sheet painted by paint on the printer. Default: Qt's print preview dialog,
    /// from which the user prints.
    std::function<void(QPrinter &, const std::function<void(QPrinter *)> &paint)> preview;
};

/// "Stampa...": choices, then the print preview of the sheet on its paper. Returns true when
/// the preview was shown.
bool printSheetOfWall(QWidget *parent, Prompts &prompts, AppState &state,
                      const SheetActionHooks &hooks = {});

/// "Esporta tavola PDF...": choices, the save dialog, then the PDF. Returns true when written.
bool exportSheetPdfOfWall(QWidget *parent, Prompts &prompts, AppState &state,
                          const SheetActionHooks &hooks = {});

/// The PDF name offered by the save dialog: the wall file's name with ".pdf".
QString proposedSheetPdfName(const Wall &wall);

} // namespace murcad::app
