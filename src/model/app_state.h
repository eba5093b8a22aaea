// The one application-state object: the current wall, settings, folders and mode flags.
#pragma once

#include "colours/layers.h"
#include "model/detailing_limits.h"
#include "model/user_profile.h"
#include "model/wall.h"
#include "model/wall_save.h"

#include <string>

namespace murcad {

/// What the user is doing with the mouse on the drawing.
enum class EditMode { None = 0, InsertHorizontal = 1, InsertVertical = 2, DeleteSection = 3 };

/// The current wall against its files.
struct WallDocument {
    bool Modified = false;         ///< edits not yet saved in the companion
    FileStamp CompanionSeen;       ///< the companion as it was on disk when loaded or saved
    std::string CompanionSetAside; ///< a companion the load could not use: copied before saving
};

/// Process-wide state every part of the program reads: exactly one current wall.
struct AppState {
    Wall wall;
    WallDocument document;
    LayerSettings layers = makeDefaultLayerSettings();
    std::string HostFolder;    ///< DXF templates: beside the programs or in share/murcad
    std::string ProfileFolder; ///< folder of the settings file (the user's home)
    EditMode editMode = EditMode::None;
    int OffsetSide = 1; ///< 1 left border, 0 right border
    int ReportFlag = 0; ///< 0 take-off of the current wall, else of the DXF batch
    std::string UserProfilePath; ///< the user's own preferences file (see userProfilePath)
    TitleBlockTexts TitleBlock;  ///< project, drawn by, checked by, revision of the sheets
    DetailingLimits checkLimits; ///< limits of the detailing checks, from the user preferences
};

} // namespace murcad
