// The IFC model of a batch of walls: project, site, building, storeys by level, the concrete
// of each storey and of the foundation, materials, quantities and every reinforcing bar.
#pragma once

#include "ifc/step_writer.h"
#include "model/wall.h"

#include <map>
#include <string>
#include <vector>

namespace murcad {

/// A point of a bar's centreline in wall centimetres: x along the wall from its reference
/// axis, y across the thickness from the wall's middle plane, z the level in the building.
struct BarPoint {
    double x = 0, y = 0, z = 0;
};

/// What a bar does in the wall; written as the bar's IFC type.
enum class BarRole {
    Main,      ///< vertical bars of the edge zones and of the web, their laps
    Shear,     ///< horizontal bars and the diagonal bars at the base
    Ligature,  ///< stirrups and ties
    Anchoring, ///< starter bars in the foundation
};

/// Bars of one family in one storey (or in the foundation): same diameter, same cut length.
struct BarGroup {
    int storey = 0;          ///< storey index; -1 for the foundation
    std::string name;        ///< the family, e.g. "Verticali zone di bordo"
    BarRole role = BarRole::Main;
    int diameterMm = 0;
    double cutLength = 0;    ///< cm, the length the bill of materials counts for each bar
    /// Each bar's centreline; bars[k] has at least two points.
    std::vector<std::vector<BarPoint>> bars;
};

/// Values of the file as a whole.
struct IfcFileInfo {
    std::string fileName;   ///< the file's own name, for the header
    std::string projectName;
    std::string timeStamp;  ///< ISO 8601; the header's time of writing
    std::string steelGrade = "B450C";
};

/// Counts of what went into the model.
struct IfcModelCounts {
    int walls = 0;       ///< IfcWall, one per storey of every wall
    int footings = 0;
    int storeys = 0;     ///< IfcBuildingStorey, shared by walls at equal levels
    int bars = 0;        ///< IfcReinforcingBar
    double steelKg = 0;  ///< bar length x cross-section x 7850 kg/m3 over all bars
};

/// Builds one IFC4 file: the spatial structure and the units first, then the walls one by one,
/// then the relations that need every element.
class IfcModelBuilder {
public:
    explicit IfcModelBuilder(const IfcFileInfo &info);

    /// Adds a wall whose reference axis lies at originX (cm) along the batch, with its
    /// concrete (one wall per storey, the foundation) and its bar groups. key identifies the
    /// wall among exports (its file name), so that a wall exported again keeps its ids.
    void addWall(const Wall &wall, double originX, const std::string &key,
                 const std::vector<BarGroup> &groups);

    /// Writes the storeys' contents and the material relations and returns the whole file.
    std::string finish();

    const IfcModelCounts &counts() const { return counts_; }
    /// Coordinates that were not numbers, written as zero.
    int nonFiniteValues() const { return out_.nonFiniteValues(); }

private:
    struct StoreyEntry {
        StepId storey = 0;
        StepId placement = 0;
        double level = 0; ///< cm
        std::vector<StepId> elements;
    };
    /// The building storey at a level (cm), made on first use.
    StoreyEntry &storeyAt(double level);
    std::string guid(const std::string &key) const;
    StepId point(double x, double y, double z);
    StepId placement(StepId relTo, double x, double y, double z);
    StepId box(double cx, double width, double thickness, double height);
    StepId quantities(const std::string &key, const char *setName, double length,
                      double width, double height);
    void relate(const std::string &key, const char *type, StepId relating,
                const std::vector<StepId> &related);

    StepWriter out_;
    IfcModelCounts counts_;
    std::string steelGrade_;
    StepId body_ = 0;        ///< the 'Body' representation subcontext
    StepId zAxis_ = 0, xAxis_ = 0, origin_ = 0, worldAxes_ = 0;
    StepId project_ = 0, site_ = 0, building_ = 0, buildingPlacement_ = 0;
    std::map<long long, StoreyEntry> storeys_; ///< by level in hundredths of a cm
    StepId concreteMaterial_ = 0, steelMaterial_ = 0;
    std::vector<StepId> concreteElements_;
    std::map<std::string, int> keysSeen_;
};

/// The 22-character IFC global id of a key: the same key always gives the same id.
std::string ifcGlobalId(const std::string &key);

} // namespace murcad
