// The IFC export of a batch of walls and its atomic write.
#include "ifc/ifc_export.h"

#include "draw/null_surface.h"
#include "drawings/sheet.h"
#include "dxf/dxf_file.h"
#include "ifc/ifc_bars.h"
#include "model/atomic_file.h"

#include <ctime>

namespace murcad {

namespace {

std::string baseName(const std::string &path) {
    std::size_t p = path.find_last_of("/\\");
    return p == std::string::npos ? path : path.substr(p + 1);
}

std::string stem(const std::string &path) {
    std::string b = baseName(path);
    std::size_t dot = b.rfind('.');
    return dot == std::string::npos || dot == 0 ? b : b.substr(0, dot);
}

} // namespace

int IfcWriteResult::exported() const {
    int n = 0;
    for (const auto &w : walls)
        n += w.status == IfcWallOutcome::Exported;
    return n;
}

std::vector<std::string> IfcWriteResult::bandElements() const {
    std::vector<std::string> v;
    for (const auto &w : walls)
        if (w.status == IfcWallOutcome::BandElement)
            v.push_back(w.path);
    return v;
}

std::vector<const IfcWallOutcome *> IfcWriteResult::failed() const {
    std::vector<const IfcWallOutcome *> v;
    for (const auto &w : walls)
        if (w.status == IfcWallOutcome::Failed)
            v.push_back(&w);
    return v;
}

std::vector<std::string> IfcWriteResult::messages() const {
    std::vector<std::string> m;
    if (!bandElements().empty())
        m.push_back(kBandElementsMessage);
    auto f = failed();
    if (!f.empty()) {
        std::string s = "Alcuni file non sono stati letti e mancano nel file IFC:";
        for (const auto *w : f)
            s += "\n" + w->error;
        m.push_back(s);
    }
    return m;
}

std::string ifcTimeStamp() {
    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &utc);
    return buf;
}

std::string buildIfc(const std::vector<std::string> &wallPaths, Wall &wall,
                     const IfcFileInfo &info, IfcWriteResult &result,
                     const IfcExportHooks &hooks) {
    IfcModelBuilder model(info);
    // Walls side by side as in the DXF: each sheet starts where the last ended plus the gap,
    // and the wall stands at the x of its elevation on that sheet.
    double offsetX = 0;
    const int count = static_cast<int>(wallPaths.size());
    for (int n = 0; n < count; ++n) {
        IfcWallOutcome outcome;
        outcome.path = wallPaths[n];
        wall.LoadStatus = 0;
        LoadResult loaded =
            hooks.load ? hooks.load(wallPaths[n], wall) : loadWall(wallPaths[n], wall);
        switch (loaded.outcome) {
        case LoadOutcome::Loaded: {
            NullSurface placementOnly;
            SheetResult sheet = redraw(placementOnly, wall);
            int before = model.counts().bars;
            model.addWall(wall, offsetX + sheet.ElevationX, baseName(wallPaths[n]),
                          hooks.bars ? hooks.bars(wall) : wallBarGroups(wall));
            outcome.bars = model.counts().bars - before;
            offsetX += sheet.SheetX + kDxfWallGap;
            outcome.status = IfcWallOutcome::Exported;
            break;
        }
        case LoadOutcome::BandElement:
            outcome.status = IfcWallOutcome::BandElement;
            break;
        case LoadOutcome::Failed:
            outcome.status = IfcWallOutcome::Failed;
            outcome.error = describeLoadError(loaded.error);
            if (outcome.error.empty())
                outcome.error = "\"" + wallPaths[n] + "\": lettura non riuscita.";
            break;
        }
        result.walls.push_back(outcome);
        if (hooks.progress)
            hooks.progress(n, count, result.walls.back());
    }
    std::string text = model.finish();
    result.counts = model.counts();
    result.nonFiniteValues = model.nonFiniteValues();
    return text;
}

IfcWriteResult writeIfc(const std::string &outPath, const std::vector<std::string> &wallPaths,
                        Wall &wall, const IfcExportHooks &hooks) {
    IfcWriteResult result;
    if (wallPaths.empty()) {
        result.error = "Non sono stati selezionati i file dati.\nGenerazione file IFC "
                       "impossibile!";
        return result;
    }
    IfcFileInfo info;
    info.fileName = baseName(outPath);
    info.projectName = stem(outPath);
    info.timeStamp = ifcTimeStamp();
    std::string text = buildIfc(wallPaths, wall, info, result, hooks);
    if (result.exported() == 0) {
        result.error = "Nessuna parete da esportare: il file IFC \"" + outPath +
                       "\" non è stato scritto.";
        return result;
    }
    if (!writeFileAtomically(outPath, text, &result.error))
        return result;
    result.written = true;
    result.bytes = text.size();
    return result;
}

} // namespace murcad
