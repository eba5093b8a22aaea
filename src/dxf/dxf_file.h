// The DXF file of a batch of walls: templates, layer table, the walls side by side, the end.
#pragma once

#include "colours/layers.h"
#include "draw/surface.h"
#include "dxf/dxf_tags.h"
#include "model/wall.h"
#include "model/wall_file.h"

#include <functional>
#include <string>
#include <vector>

namespace murcad {

/// Template copied before the layer entries: header and tables up to the LAYER table header.
inline constexpr const char *kDxfHeadTemplate = "Init1.kvl";
/// Template copied after the layer entries: the rest of the tables and the blocks.
inline constexpr const char *kDxfTailTemplate = "init2.kvl";
/// Most walls one DXF file holds.
inline constexpr int kMaxDxfWalls = 101;
/// World gap (cm) between one wall's sheet and the next.
inline constexpr float kDxfWallGap = 100.0f;


/// DxfScale: DXF units per world cm (DxfScaleLeft ÷ DxfScaleRight).
float dxfScaleOf(const LayerSettings &layers);

/// What happened to one wall of the batch.
struct DxfWallOutcome {
    enum Status { Drawn, BandElement, Failed };
    std::string path;
    Status status = Failed;
    std::string error; ///< why it failed (Failed only)
};

/// Hooks of the batch. Left empty they load with loadWall and draw the whole sheet; tests
/// put their own in.
struct DxfBatchHooks {
    /// Loads a wall file into the wall.
    std::function<LoadResult(const std::string &path, Wall &wall)> load;
    /// Draws the sheet of a wall and returns SheetX, the world x right of its last section.
    std::function<float(Surface &surface, const Wall &wall)> draw;
    /// Called after each wall: index in the batch (0-based), count, outcome.
    std::function<void(int index, int count, const DxfWallOutcome &outcome)> progress;
};

/// What the batch did.
struct DxfBatchReport {
    int drawn = 0;
    std::vector<std::string> bandElements;
    std::vector<DxfWallOutcome> failed;
    /// The messages for the user at the end (band elements, walls that could not be read).
    std::vector<std::string> messages() const;
};

/// The text of both templates, read before anything is written.
struct DxfTemplates {
    std::string head; ///< lines of Init1.kvl, each ended by CR LF
    std::string tail; ///< lines of init2.kvl, each ended by CR LF
};

/// Reads the two templates from hostFolder. Returns false with an error naming the file and
/// the cause when one is missing or unreadable.
bool readDxfTemplates(const std::string &hostFolder, DxfTemplates &templates,
                      std::string *error);

/// The twelve layer entries between the templates, names as Windows-1252. A colour outside
/// 1..255 (not a layer colour) is written as 7.
void writeLayerEntries(DxfTagWriter &w, const LayerSettings &layers);

/// FileDXF: the ENTITIES section with every wall side by side, then "ENDSEC", "0", "EOF".
/// Each file is loaded by its own path into wall (which holds the last wall loaded
/// afterwards). Band elements and files that fail to load are skipped and reported.
DxfBatchReport fileDxf(DxfTagWriter &w, const std::vector<std::string> &wallPaths,
                       const LayerSettings &layers, Wall &wall, const DxfBatchHooks &hooks = {});

/// Outcome of writeDxf.
struct DxfWriteResult {
    bool written = false; ///< the file is complete and in place
    std::string error;    ///< why nothing was written (path and cause)
    DxfBatchReport batch;
    std::size_t bytes = 0;
    int nonFiniteValues = 0; ///< coordinates that were not numbers, written as zero
};

/// WriteDxf: writes the whole DXF (templates, layer entries, entities, end) to outPath.
/// Nothing is written when the layer names are unfit, there are more than 101 walls or a
/// template cannot be read. The file is made under a temporary name in the same folder and
/// renamed into place only when complete, so a failure never leaves a truncated drawing
/// (an older file of the same name stays as it was).
DxfWriteResult writeDxf(const std::string &outPath, const std::string &hostFolder,
                        const std::vector<std::string> &wallPaths, const LayerSettings &layers,
                        Wall &wall, const DxfBatchHooks &hooks = {});

} // namespace murcad
