// Take-off of a batch of wall files: each file is loaded in turn and added to one run.
#pragma once

#include "model/wall_file.h"
#include "takeoff/takeoff.h"

#include <functional>
#include <string>
#include <vector>

namespace murcad {

/// Reads a wall file into the model (loadWall, or a stand-in in tests).
using WallLoader = std::function<LoadResult(const std::string &path, Wall &wall)>;

/// Told after each file: files done so far, how many in all, the file, and whether it was
/// taken off (false: skipped, see the run's skipped list).
using BatchProgress =
    std::function<void(int done, int total, const std::string &path, bool computed)>;

/// Loads each file into wall in order and takes it off; a file that does not load (unreadable
/// or a band element) is left out of the report and listed in the run's skipped walls. The run
/// is a batch run (with totals). Afterwards wall holds the last wall that loaded.
TakeoffRun takeOffFiles(const std::vector<std::string> &paths, Wall &wall,
                        const WallLoader &load = loadWall, const BatchProgress &progress = {});

/// The run of a single wall: its section only, no totals.
TakeoffRun takeOffSingleWall(const Wall &wall);

} // namespace murcad
