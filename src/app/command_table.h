// The commands of the main window: ids, captions, icon keys and where each is offered.
#pragma once

#include <vector>

namespace murcad::app {

/// Command ids of the menu bar and the toolbar.
enum CommandId : int {
    CmdOpen = 100,
    CmdSave = 101,
    CmdSaveAs = 102,
    CmdPreferences = 103,
    CmdExit = 104,
    CmdZoomOut = 105,
    CmdZoomIn = 106,
    CmdWholeSheet = 107,
    CmdPan = 108,
    CmdPreviousView = 109,
    CmdZoomWindow = 110,
    CmdInsertHorizontal = 111,
    CmdInsertVertical = 112,
    CmdDeleteSection = 113,
    CmdOffsetLeft = 114,
    CmdOffsetRight = 115,
    CmdTakeoff = 116,
    CmdPrint = 117,
    CmdExportSheetPdf = 118,
    CmdDxf = 200,
    CmdAbout = 201,
    // The undo stack's own actions ("Modifica" menu and toolbar), outside the dispatcher.
    CmdUndo = 300,
    CmdRedo = 301,
};

struct CommandInfo {
    int id;
    const char *caption; ///< as shown, with "&" before the access key
    const char *iconKey; ///< "" for the menu-bar buttons without an icon
    const char *tooltip; ///< a longer hint for the toolbar
};

/// Every command, in id order.
const std::vector<CommandInfo> &commandTable();
/// The command with an id, or nullptr.
const CommandInfo *findCommand(int id);

/// Buttons of the "&File" popup in order; 0 stands for a separator.
const std::vector<int> &fileMenuLayout();
/// Buttons of the "Standard" toolbar in order; 0 stands for a separator.
const std::vector<int> &toolbarLayout();

} // namespace murcad::app
