// Planning the pages of a batch: load, measure, choose the paper, number the sheets.
#include "sheets/sheet_batch.h"

#include "model/wall_file.h"
#include "sheets/drawn_extents.h"

namespace murcad {

int SheetPlan::count(SheetWallOutcome::Status s) const {
    int n = 0;
    for (const SheetWallOutcome &w : walls)
        n += w.status == s;
    return n;
}

std::vector<std::string> SheetPlan::messages() const {
    std::vector<std::string> out;
    for (const SheetWallOutcome &w : walls)
        if (w.status == SheetWallOutcome::Failed || w.status == SheetWallOutcome::TooLarge)
            out.push_back(w.message);
    if (count(SheetWallOutcome::BandElement) > 0)
        out.emplace_back(kBandElementsMessage);
    return out;
}

namespace {

std::string fileNameOf(const std::string &path) {
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Lays out one loaded wall; true with the page added, false with the outcome's message.
bool addPage(SheetPlan &plan, const Wall &wall, const SheetOptions &o, SheetWallOutcome &out) {
    PageLayout layout = layoutPage(measureDrawnExtents(wall), o.request);
    if (!layout.fits) {
        out.status = SheetWallOutcome::TooLarge;
        out.message = fileNameOf(out.path) + ": " + layout.message;
        return false;
    }
    SheetPage page{wall, layout, {}};
    page.titleBlock.texts = o.texts;
    page.titleBlock.wallFile = wall.WallFile;
    page.titleBlock.wallNumber = wall.WallNumber;
    page.titleBlock.scale = o.request.scale;
    page.titleBlock.date = o.date;
    plan.pages.push_back(std::move(page));
    out.status = SheetWallOutcome::Planned;
    return true;
}

void numberSheets(SheetPlan &plan) {
    const int n = static_cast<int>(plan.pages.size());
    for (int i = 0; i < n; ++i) {
        plan.pages[i].titleBlock.sheet = i + 1;
        plan.pages[i].titleBlock.sheetCount = n;
    }
}

} // namespace

SheetPlan planSheet(const Wall &wall, const SheetOptions &options) {
    SheetPlan plan;
    SheetWallOutcome out;
    out.path = wall.WallFile;
    addPage(plan, wall, options, out);
    plan.walls.push_back(out);
    numberSheets(plan);
    return plan;
}

SheetPlan planSheets(const std::vector<std::string> &wallPaths, const SheetOptions &options,
                     Wall &wall,
                     const std::function<void(int, int, const SheetWallOutcome &)> &progress) {
    SheetPlan plan;
    const int count = static_cast<int>(wallPaths.size());
    for (int i = 0; i < count; ++i) {
        SheetWallOutcome out;
        out.path = wallPaths[i];
        LoadResult r = loadWall(wallPaths[i], wall);
        if (r.outcome == LoadOutcome::Loaded) {
            addPage(plan, wall, options, out);
        } else if (r.outcome == LoadOutcome::BandElement) {
            out.status = SheetWallOutcome::BandElement;
        } else {
            out.status = SheetWallOutcome::Failed;
            out.message = describeLoadError(r.error);
            if (out.message.empty())
                out.message = "\"" + wallPaths[i] + "\": lettura non riuscita.";
        }
        plan.walls.push_back(out);
        if (progress)
            progress(i, count, out);
    }
    numberSheets(plan);
    return plan;
}

} // namespace murcad
