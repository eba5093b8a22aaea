// The wall model: every value of the current wall, its storeys and its section cuts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace murcad {

/// One storey of the wall (lengths in cm, levels absolute, diameters in mm).
struct Storey {
    float TopLevel = 0;       ///< level of the top of the storey
    float Length = 0;         ///< wall length in the storey
    float Shift = 0;          ///< abscissa of the middle of the storey's wall
    float EdgeLength = 0;     ///< length of each edge zone
    int DiamA = 0;            ///< edge-zone vertical bar diameter (set A)
    int CountA = 0;           ///< bars of each edge zone (set A)
    int CountB = 0;           ///< bars of set B in each edge zone (web spacing)
    int DiamB = 0;            ///< web vertical bar diameter (set B)
    float WebSpacing = 0;     ///< spacing of the web vertical bars
    int HorizDiam = 0;        ///< horizontal bar and edge stirrup diameter
    float HorizSpacing = 0;   ///< spacing of the horizontal bars
    float TieSpacingSet = 0;  ///< spacing of the ties
    float Height = 0;         ///< storey height (top level minus bottom)
    float BaseZoneHeight = 0; ///< height of the base (critical) zone
    float OffsetRight = 0;    ///< drawn extension beyond the right end
    float OffsetLeft = 0;     ///< drawn extension beyond the left end
    int StoreyExtra = 0;      ///< largest level flag of the file levels in the storey

    bool operator==(const Storey &) const = default;
};

/// Which ends of a storey's wall: the wall itself, or the wall as drawn with the user's
/// border offsets.
enum class StoreyExtent {
    Wall,        ///< half the storey's Length either side of its Shift
    WithOffsets, ///< widened by OffsetLeft and OffsetRight
};

/// The two ends of a storey's wall along the wall, from the wall's reference axis (cm).
struct StoreyEnds {
    float left = 0;
    float right = 0;
};

/// The ends of storey s along the wall: -Length / 2 + Shift and Length / 2 + Shift, less
/// OffsetLeft and plus OffsetRight with StoreyExtent::WithOffsets. The one rule every
/// drawing, cut, bar and export reads.
StoreyEnds storeyEnds(const Storey &s, StoreyExtent extent);

/// One analysis level of the host model as the wall data file gives it.
struct FileLevel {
    float TopLevel = 0;
    float Shift = 0;
    float Length = 0;
    float EdgeLength = 0;
    int DiamA = 0;
    int CountA = 0;
    int DiamB = 0;
    int Unused = 0; ///< an integer the file does not fill
    float WebSpacing = 0;
    int HorizDiam = 0;
    float HorizSpacing = 0;
    float TieSpacingSet = 0;
    int LevelFlag = 0;

    bool operator==(const FileLevel &) const = default;
};

/// An element record of the wall data file, stored as read.
struct Element {
    std::int32_t Long1 = 0, Long2 = 0;
    int Int3 = 0;
    std::array<float, 6> Singles{}; ///< Single fields 1..6 in storage order

    bool operator==(const Element &) const = default;
};

/// A horizontal cut at a level through the elevation.
struct HorizSection {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0; ///< X relative to the elevation axis, Y the cut level
    int StoreyIndex = 0;                  ///< the storey cut
    int AboveBaseZone = 0;                ///< 1 when the cut lies above the storey's base zone

    bool operator==(const HorizSection &) const = default;
};

/// A vertical cut at an abscissa through the elevation.
struct VertSection {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0; ///< X1 = X2 the cut abscissa; Y1..Y2 the levels cut
    int StoreyIndex = 0;                  ///< first storey cut
    int TopStorey = 0;                    ///< first storey above that the cut does not reach

    bool operator==(const VertSection &) const = default;
};

inline constexpr int kMaxHorizSections = 201;
inline constexpr int kMaxVertSections = 51;

/// Everything known about the current wall. A plain value: copy it to stage a load.
struct Wall {
    std::string WallFile;   ///< full path of the wall data file ("" or "Anonimo" when unnamed)
    int ParVersion = 0;     ///< version of the wall data file last read (0..5)
    int LoadStatus = 0;     ///< 0 loaded, -2 band element, -1 open cancelled
    int WallNumber = 0;     ///< number of the wall in the host model
    float BaseLevel = 0;    ///< bottom of storey 0 = top of the foundation
    float FoundationThickness = 0; ///< foundation depth below BaseLevel; <= 0 no foundation
    float TotalHeight = 0;  ///< height of the wall above BaseLevel
    float Thickness = 0;    ///< wall thickness
    float Cover = 0;        ///< concrete cover, face to bar axis
    int NoEdgeZones = 0;
    int BandElement = 0;
    int SingleLayerVert = 0;
    int SingleLayerHoriz = 0;
    float DiagonalArea = 0;
    float DiagonalAngle = 0;
    float DiagonalRise = 0;
    int DiagonalDiameter = 0; ///< even, 0 = no diagonal reinforcement
    float FirstStoreyHeight = 0;
    float FirstStoreyLeftX = 0, FirstStoreyRightX = 0;
    int TieDiameter = 6;
    float LapFactor = 40;
    int ExtraOption = 0;
    int ParLineA2 = 0, ParLineA3 = 0;
    float ParLineB2 = 0, ParLineE2 = 0, ParLineE3 = 0;
    float ParLineC1 = 0, ParLineC2 = 0;
    int SpareInt = 0;
    float SpareSingle1 = 0, SpareSingle2 = 0;

    /// Storey table; its size is the storey count.
    std::vector<Storey> Storeys;
    /// Per storey, the top level as read from the wall data file.
    std::vector<float> StoreyLevels;

    std::vector<FileLevel> FileLevels; ///< records 0..FileLevelCount (the last stays zero)
    std::vector<Element> Elements;

    std::vector<HorizSection> HorizSections; ///< sorted by Y1, at most 201
    std::vector<VertSection> VertSections;   ///< sorted by X1, at most 51

    int storeyCount() const { return static_cast<int>(Storeys.size()); }
    int horizSectionCount() const { return static_cast<int>(HorizSections.size()); }
    int vertSectionCount() const { return static_cast<int>(VertSections.size()); }
    /// Bottom level of storey i (BaseLevel for storey 0).
    float storeyBottom(int i) const { return i <= 0 ? BaseLevel : Storeys[i - 1].TopLevel; }

    bool operator==(const Wall &) const = default;
};

/// Sets every storey's Height from the top levels (storey 0 from BaseLevel).
void computeStoreyHeights(Wall &w);

/// Outcome of a section insertion.
enum class InsertResult { Inserted, OutOfRange, TableFull };

/// Inserts a horizontal cut at level y, keeping the table sorted by level.
InsertResult insertHorizontalSection(Wall &w, float y);
/// Inserts a vertical cut at abscissa x, keeping the table sorted by abscissa.
InsertResult insertVerticalSection(Wall &w, float x);
/// Removes section k (later ones move down); out-of-range k does nothing.
void removeHorizontalSection(Wall &w, int k);
void removeVerticalSection(Wall &w, int k);
/// Recomputes the ends of every horizontal cut after a border offset changed.
void refitHorizontalSections(Wall &w);
/// Makes the default cuts: one or two per storey and one vertical cut in the middle.
void makeDefaultSections(Wall &w);
/// FirstStoreyLeftX / FirstStoreyRightX from the storeys' ends (offsets not counted).
void computeStoreyRange(Wall &w);

} // namespace murcad
