// Batch take-off over wall files.
#include "takeoff/batch.h"

namespace murcad {

TakeoffRun takeOffFiles(const std::vector<std::string> &paths, Wall &wall, const WallLoader &load,
                        const BatchProgress &progress) {
    TakeoffRun run;
    run.batch = true;
    const int total = static_cast<int>(paths.size());
    for (int k = 0; k < total; ++k) {
        const std::string &path = paths[k];
        wall.LoadStatus = 0;
        LoadResult r = load(path, wall);
        bool computed = r.ok() && wall.LoadStatus == 0;
        if (computed) {
            addToRun(run, takeOffWall(wall));
        } else if (r.outcome == LoadOutcome::BandElement || wall.LoadStatus == -2) {
            run.skipped.push_back({path, "Elemento di fascia attulmente non gestito."});
        } else {
            run.skipped.push_back({path, describeLoadError(r.error)});
        }
        if (progress)
            progress(k + 1, total, path, computed);
    }
    return run;
}

TakeoffRun takeOffSingleWall(const Wall &wall) {
    TakeoffRun run;
    addToRun(run, takeOffWall(wall));
    return run;
}

} // namespace murcad
