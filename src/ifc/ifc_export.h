// The IFC export of a batch of walls: each wall file loaded in turn, placed beside the last
// as in the DXF, and the whole model written atomically to one IFC4 file.
#pragma once

#include "ifc/ifc_model.h"
#include "model/wall.h"
#include "model/wall_file.h"

#include <functional>
#include <string>
#include <vector>

namespace murcad {

/// What happened to one wall of the export.
struct IfcWallOutcome {
    enum Status { Exported, BandElement, Failed };
    std::string path;
    Status status = Failed;
    std::string error; ///< why it failed (Failed only)
    int bars = 0;      ///< reinforcing bars written for this wall
};

/// Hooks of the export; left empty they load with loadWall and take every bar of the wall.
struct IfcExportHooks {
    std::function<LoadResult(const std::string &path, Wall &wall)> load;
    /// The bar groups of a wall.
    std::function<std::vector<BarGroup>(const Wall &wall)> bars;
    /// Called after each wall: index in the batch (0-based), count, outcome.
    std::function<void(int index, int count, const IfcWallOutcome &outcome)> progress;
};

/// Outcome of writeIfc.
struct IfcWriteResult {
    bool written = false; ///< the file is complete and in place
    std::string error;    ///< why nothing was written (path and cause)
    std::vector<IfcWallOutcome> walls;
    IfcModelCounts counts;
    std::size_t bytes = 0;
    int nonFiniteValues = 0; ///< coordinates that were not numbers, written as zero

    int exported() const;
    std::vector<std::string> bandElements() const;
    std::vector<const IfcWallOutcome *> failed() const;
    /// The messages for the user at the end (band elements, walls that could not be read).
    std::vector<std::string> messages() const;
};

/// Builds the model of the walls in memory (loading each into wall, which holds the last
/// wall loaded afterwards) and returns the file's text. Band elements and files that fail to
/// load are left out and reported in result.
std::string buildIfc(const std::vector<std::string> &wallPaths, Wall &wall,
                     const IfcFileInfo &info, IfcWriteResult &result,
                     const IfcExportHooks &hooks = {});

/// Writes the IFC file of the walls to outPath: under a temporary name in the same folder,
/// renamed into place only when complete. Nothing is written when no wall could be exported
/// (the error says why) or the file cannot be written (the error names the path and the cause;
/// an older file of the same name stays as it was).
IfcWriteResult writeIfc(const std::string &outPath, const std::vector<std::string> &wallPaths,
                        Wall &wall, const IfcExportHooks &hooks = {});

/// The time of writing in the form the IFC header wants (UTC, ISO 8601).
std::string ifcTimeStamp();

} // namespace murcad
