// murcad-cli info: loads a wall as the program does and prints its model as JSON.
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "model/wall_file.h"

#include <cstdio>

namespace murcad::cli {

namespace {

constexpr const char *kUsage =
    "info PARETE.PAR\n"
    "carica la parete come il programma (file delle modifiche .wpx compreso) e la stampa in\n"
    "JSON su stdout; esce con 3 se il file descrive un elemento di fascia";

// Floats are printed through double from their shortest decimal form, so 12.3f prints 12.3.
double num(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(v));
    return std::strtod(buf, nullptr);
}

std::string wallJson(const Wall &w) {
    JsonWriter j;
    j.beginObject();
    j.value("WallFile", w.WallFile);
    j.value("ParVersion", w.ParVersion);
    j.value("LoadStatus", w.LoadStatus);
    j.value("WallNumber", w.WallNumber);
    j.value("StoreyCount", w.storeyCount());
    j.value("BaseLevel", num(w.BaseLevel));
    j.value("FoundationThickness", num(w.FoundationThickness));
    j.value("TotalHeight", num(w.TotalHeight));
    j.value("Thickness", num(w.Thickness));
    j.value("Cover", num(w.Cover));
    j.value("NoEdgeZones", w.NoEdgeZones);
    j.value("BandElement", w.BandElement);
    j.value("SingleLayerVert", w.SingleLayerVert);
    j.value("SingleLayerHoriz", w.SingleLayerHoriz);
    j.value("DiagonalArea", num(w.DiagonalArea));
    j.value("DiagonalAngle", num(w.DiagonalAngle));
    j.value("DiagonalRise", num(w.DiagonalRise));
    j.value("DiagonalDiameter", w.DiagonalDiameter);
    j.value("FirstStoreyHeight", num(w.FirstStoreyHeight));
    j.value("FirstStoreyLeftX", num(w.FirstStoreyLeftX));
    j.value("FirstStoreyRightX", num(w.FirstStoreyRightX));
    j.value("TieDiameter", w.TieDiameter);
    j.value("LapFactor", num(w.LapFactor));
    j.value("ExtraOption", w.ExtraOption);
    j.value("ParLineA2", w.ParLineA2);
    j.value("ParLineA3", w.ParLineA3);
    j.value("ParLineB2", num(w.ParLineB2));
    j.value("ParLineC1", num(w.ParLineC1));
    j.value("ParLineC2", num(w.ParLineC2));
    j.value("ParLineE2", num(w.ParLineE2));
    j.value("ParLineE3", num(w.ParLineE3));
    j.value("FileLevelCount", static_cast<int>(w.FileLevels.empty() ? 0 : w.FileLevels.size() - 1));
    j.value("ElementCount", static_cast<int>(w.Elements.size()));
    j.beginArray("Storeys");
    for (int i = 0; i < w.storeyCount(); ++i) {
        const Storey &s = w.Storeys[i];
        j.beginObject();
        j.value("TopLevel", num(s.TopLevel));
        j.value("StoreyLevels",
                num(i < static_cast<int>(w.StoreyLevels.size()) ? w.StoreyLevels[i] : 0));
        j.value("Length", num(s.Length));
        j.value("Shift", num(s.Shift));
        j.value("EdgeLength", num(s.EdgeLength));
        j.value("DiamA", s.DiamA);
        j.value("CountA", s.CountA);
        j.value("CountB", s.CountB);
        j.value("DiamB", s.DiamB);
        j.value("WebSpacing", num(s.WebSpacing));
        j.value("HorizDiam", s.HorizDiam);
        j.value("HorizSpacing", num(s.HorizSpacing));
        j.value("TieSpacingSet", num(s.TieSpacingSet));
        j.value("Height", num(s.Height));
        j.value("BaseZoneHeight", num(s.BaseZoneHeight));
        j.value("OffsetRight", num(s.OffsetRight));
        j.value("OffsetLeft", num(s.OffsetLeft));
        j.value("StoreyExtra", s.StoreyExtra);
        j.endObject();
    }
    j.endArray();
    j.beginArray("HorizSections");
    for (const HorizSection &h : w.HorizSections) {
        j.beginObject();
        j.value("X1", num(h.X1));
        j.value("Y1", num(h.Y1));
        j.value("X2", num(h.X2));
        j.value("Y2", num(h.Y2));
        j.value("StoreyIndex", h.StoreyIndex);
        j.value("AboveBaseZone", h.AboveBaseZone);
        j.endObject();
    }
    j.endArray();
    j.beginArray("VertSections");
    for (const VertSection &v : w.VertSections) {
        j.beginObject();
        j.value("X1", num(v.X1));
        j.value("Y1", num(v.Y1));
        j.value("X2", num(v.X2));
        j.value("Y2", num(v.Y2));
        j.value("StoreyIndex", v.StoreyIndex);
        j.value("TopStorey", v.TopStorey);
        j.endObject();
    }
    j.endArray();
    j.endObject();
    return j.str();
}

int cmdInfo(const std::vector<std::string> &args) {
    if (args.size() != 1)
        return usageError("info", kUsage, "serve un solo file dati");
    if (args[0].size() > 1 && args[0][0] == '-')
        return usageError("info", kUsage, "opzione sconosciuta \"" + args[0] + "\"");
    Wall wall;
    LoadResult r = loadWall(args[0], wall);
    if (r.outcome == LoadOutcome::BandElement) {
        std::fprintf(stderr, "%s: Elemento di fascia attulmente non gestito.\n", args[0].c_str());
        return 3;
    }
    if (!r.ok()) {
        std::fprintf(stderr, "%s\n", describeLoadError(r.error).c_str());
        return 1;
    }
    if (!r.companionProblem.empty())
        std::fprintf(stderr, "Attenzione: %s\n", r.companionProblem.c_str());
    std::fputs(wallJson(wall).c_str(), stdout);
    return 0;
}

const bool registered = registerCommand("info", kUsage, &cmdInfo);

} // namespace

} // namespace murcad::cli
