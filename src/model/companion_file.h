// The companion file (.wpx) beside a wall data file: the user's sections and the whole model.
#pragma once

#include "model/load_error.h"
#include "model/value_reader.h"
#include "model/wall.h"

#include <string>

namespace murcad {

inline constexpr int kCompanionVersion = 11;

/// First line (and, from version 5, the stored date) of a companion file.
struct CompanionHead {
    int version = 0;
    int horizCount = 0;
    int vertCount = 0;
    std::string dateText; ///< empty for versions up to 4
};

/// The companion file text of a wall whose data file was last modified at fileTime.
std::string companionText(const Wall &w, const std::string &fileTimeText);

/// Writes the companion of the wall data file at wallPath atomically, stamped with the data
/// file's modification time. Fails (why set) when the data file does not exist or the folder
/// cannot be written; nothing is changed then.
bool writeCompanionFile(const std::string &wallPath, const Wall &w, std::string *why = nullptr);

/// Reads line 1 (and the date line from version 5) of a companion file.
bool readCompanionHead(const std::string &companion, CompanionHead &head, LoadError &error);

/// Reads a companion of version 5..11 in full into w. On failure w is unchanged.
bool readCompanionFile(const std::string &companion, Wall &w, LoadError &error);

/// The same from the companion's text; name appears in messages.
bool readCompanionText(const std::string &text, const std::string &name, Wall &w,
                       LoadError &error);

/// Reads the section part of a companion of version 1..4 from reader (positioned after line 1)
/// into w: version 4 records as stored, older ones inserted again so they fit the storeys;
/// then the lap factor (versions 2..4) and the extra option (3..4).
bool readOldCompanionSections(ValueReader &r, const CompanionHead &head, Wall &w);

} // namespace murcad
