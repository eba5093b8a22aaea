// Reading a wall data file (.PAR) with its companion (.wpx) into the wall model.
#pragma once

#include "model/load_error.h"
#include "model/wall.h"

#include <string>

namespace murcad {

/// Result of loadWall.
enum class LoadOutcome {
    Loaded,      ///< the wall was replaced by the file's wall (LoadStatus 0)
    BandElement, ///< the file describes a band element: LoadStatus -2, nothing else changed
    Failed,      ///< the file could not be read: the wall is exactly as it was; see error
};

/// Shown once at the end of a batch (DXF, sheets) when band elements were left out.
inline constexpr const char *kBandElementsMessage =
    "Alcuni file selezionati erano riferiti a fasce, per le quali non è attualmente "
    "disponibile il disegno esecutivo.";

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Failed;
    LoadError error;     ///< set when outcome is Failed
    bool fromCompanion = false; ///< the whole model came from a current companion file
    /// Set when the companion could not be used as it is (empty, unreadable, out of bounds,
    /// or with sections of storeys that do not exist): names the file and the reason. The
    /// companion is left untouched; it should be kept as a copy before it is next written.
    std::string companionProblem;
    std::string companionSetAside; ///< the path of that companion
    bool ok() const { return outcome == LoadOutcome::Loaded; }
};

/// The one way a wall is read. Reads the wall data file at path, or its companion when that
/// is current, into a staging copy of wall and takes it only on success. Settings that are
/// not in the files (lap factor, tie diameter, extra option) carry over from wall unless the
/// companion stores them. On success wall.WallFile becomes path. A companion that cannot be
/// used never blocks the wall: the wall data file is read with the default sections and
/// companionProblem says why; only a companion of a newer program version refuses the load
/// (dropping it would lose edits made by that program).
LoadResult loadWall(const std::string &path, Wall &wall);

/// Reads wall data file text (no companion) into a staging copy of wall with the default
/// sections, and takes it only on success; fileName names the file in messages.
LoadResult readWallData(const std::string &text, const std::string &fileName, Wall &wall);

/// The companion path of a wall data file: the last three characters replaced by "wpx".
std::string companionPath(const std::string &wallPath);

/// Text shown for a load failure, e.g. for a message box or stderr.
std::string describeLoadError(const LoadError &e);

} // namespace murcad
