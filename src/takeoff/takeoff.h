// The bill of materials as a structured result: tables of bar groups per wall, steel by
// diameter, steel and concrete of each wall and of a run over several walls.
#pragma once

#include "model/wall.h"

#include <optional>
#include <string>
#include <vector>

namespace murcad {

/// The tables of a wall's bill of materials, in report order.
enum class TableKind { Vertical, Horizontal, Ties };

/// One bar group: count bars of one diameter and cut length.
struct TakeoffRow {
    std::string label;    ///< RowLabel: "Fond." or "Piano" + storey number with a leading blank
    int count = 0;        ///< RowCount
    int diameter = 0;     ///< RowDiameter, mm
    float length = 0;     ///< RowLength, cm
    float weight = 0;     ///< RowWeight, kg
    bool stirrup = false; ///< an edge-zone stirrup row of the horizontal table
    int weightClass = 0;  ///< the steel-by-diameter class the weight went to (0 stirrups, ties)
};

struct TakeoffTable {
    TableKind kind = TableKind::Vertical;
    std::vector<TakeoffRow> rows;
};

/// The diagonal reinforcement at the wall's base: 4 + 4 bars.
struct DiagonalRow {
    int count = 8;
    int diameter = 0; ///< mm
    int length = 0;   ///< cm, the bar length Ld of the diagonal geometry
    float weight = 0; ///< kg
};

/// Steel weight (kg) per diameter class: index k holds the bars of diameter about 2k mm,
/// index 0 the stirrups and ties. Never shorter than 16 entries; longer when thicker bars
/// occur, so that the classes always add up to the steel weight.
using DiameterWeights = std::vector<float>;

inline constexpr int kDiameterClasses = 16;

/// The bill of materials of one wall.
struct WallTakeoff {
    std::string WallFile;
    int WallNumber = 0;
    std::vector<TakeoffTable> tables; ///< vertical, horizontal and (with edge zones) ties
    std::optional<DiagonalRow> diagonal;
    DiameterWeights WallByDiameter = DiameterWeights(kDiameterClasses, 0.0f);
    float WallSteel = 0;    ///< kg
    float WallConcrete = 0; ///< m3, storeys only (the foundation is not included)

    /// The table of the given kind, or nullptr when the wall has none (ties without edge zones).
    const TakeoffTable *table(TableKind kind) const;
    /// Steel ratio in kg/m3; none when the concrete volume is not positive.
    std::optional<float> steelRatio() const;
};

/// A wall file that the run had to leave out, and why.
struct SkippedWall {
    std::string file;
    std::string reason;
};

/// A take-off run: one wall from the main window, or a batch of wall files with totals.
struct TakeoffRun {
    bool batch = false; ///< batch reports end with the totals over all walls
    std::vector<WallTakeoff> walls;
    std::vector<SkippedWall> skipped;
    float TotalSteel = 0;    ///< kg
    float TotalConcrete = 0; ///< m3
    int WallsComputed = 0;
    DiameterWeights TotalByDiameter = DiameterWeights(kDiameterClasses, 0.0f);

    /// Steel ratio of the run in kg/m3; none when the concrete volume is not positive.
    std::optional<float> steelRatio() const;
};

/// Takes off the steel and concrete of a wall: every bar group of every storey, the ties
/// (with edge zones), the diagonal reinforcement, steel by diameter and the totals.
WallTakeoff takeOffWall(const Wall &wall);

/// Adds a wall to the run and to the run's totals.
void addToRun(TakeoffRun &run, WallTakeoff wall);

/// Text of a table's title in the report ("Armature verticali" ...), without the colon.
const char *tableTitle(TableKind kind);

} // namespace murcad
