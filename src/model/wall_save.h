// Saving a wall without losing work: a companion the load set aside is kept as a copy, save-as
// copies the wall data file or asks before taking over another wall, and a companion changed
// on disk by someone else is noticed.
#pragma once

#include "model/wall.h"

#include <string>

namespace murcad {

/// A file as seen at one moment: it changed when any of these differ.
struct FileStamp {
    bool exists = false;
    long long size = 0;
    long long modifiedNs = 0; ///< modification time in nanoseconds
    unsigned long long inode = 0; ///< a replaced file has a new inode even within one second
    bool operator==(const FileStamp &) const = default;
};

/// The stamp of the file at path now (exists false when there is none).
FileStamp fileStamp(const std::string &path);

/// Copies the companion to companion.bak, or .bak1, .bak2 … when those are taken. Returns the
/// copy's path; "" with why set when it could not be made.
std::string keepCompanionCopy(const std::string &companion, std::string *why);

/// Writes the companion of the wall data file at wallPath; when keepOld is set and a companion
/// exists there, a copy of it is kept first (its path in kept). Nothing is written when the
/// copy cannot be made.
bool saveCompanion(const std::string &wallPath, const Wall &w, bool keepOld, std::string *kept,
                   std::string *why);

/// What "Salva con Nome" onto a chosen name means.
enum class SaveAsTarget {
    SameWall,  ///< the current wall data file: an ordinary save
    NewName,   ///< no wall data file there: the current one is copied to that name
    OtherWall, ///< another wall's data file: its companion would take this wall's model
};

struct SaveAsPlan {
    SaveAsTarget target = SaveAsTarget::NewName;
    std::string companion; ///< the companion that will be written
    /// The question to ask before going on (default answer No); empty when none is needed.
    std::string question;
};

/// Decides what saving the wall (whose data file is w.WallFile) under targetPath does, and the
/// question that names the companion to be replaced (and both wall numbers for another wall).
SaveAsPlan planSaveAs(const Wall &w, const std::string &targetPath);

/// Carries out a plan: for a new name the wall data file is copied there first (the original
/// is never written), then the companion is written beside targetPath. Returns false with why
/// and leaves both files as they were on failure.
bool saveWallAs(const Wall &w, const std::string &targetPath, const SaveAsPlan &plan,
                std::string *why);

} // namespace murcad
