// The data of one building (project): the title block's fields, the materials and the design
// classes, kept in "progetto.ini" in the folder of its walls (one folder, one building).
//
// The file is UTF-8 text, one "key=value" per line, "#" starts a comment line:
//   progetto=Residenza Via Roma        committente=…      numerazione=S-{parete}
//   redatto=…   approvato=…            revisione=A;2026-12-09;Prima emissione (one line each)
//   calcestruzzo=C25/30   acciaio=B450C   esposizione=XC2   classe_strutturale=S4
//   delta_cdev=10   inerte=20   mandrino_piccoli=4   mandrino_grandi=7   duttilita=nessuna|DCM|DCH
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace murcad {

/// The file name of the project data, in the folder of the walls.
inline constexpr const char *kProjectFileName = "progetto.ini";

/// One revision of the drawings, as the title block's revision table lists it.
struct ProjectRevision {
    std::string number;      ///< "A", "B", … or "0", "1", …
    std::string date;        ///< ISO 8601, "2026-12-09"
    std::string description; ///< "Emissione per costruzione"
};

/// Ductility class of the walls (EN 1998-1): none for walls not designed for seismic action.
enum class DuctilityClass { None, DCM, DCH };

/// What one building's walls share. Every field has the default the program uses when the
/// file gives none; `fromFile` tells which fields the file gave, so outputs can state that a
/// default was taken.
struct ProjectData {
    // Title block (empty texts: the user's title-block preferences are used instead).
    std::string projectName;     ///< "Progetto"
    std::string owner;           ///< "Committente"
    std::string drawingNumbering; ///< drawing number pattern, "{parete}" replaced by the wall number
    std::string creator;         ///< "Redatto"
    std::string approver;        ///< "Approvato"
    std::vector<ProjectRevision> revisions; ///< oldest first; the last one is current

    // Materials and exposure.
    std::string concreteClass = "C25/30"; ///< C20/25 … C50/60
    std::string steelGrade = "B450C";
    std::string exposureClass = "XC2";    ///< XC1 … XS3
    std::string structuralClass = "S4";   ///< S1 … S6
    float deltaCdevMm = 10;               ///< allowance in design for deviation
    float aggregateMm = 20;               ///< largest nominal aggregate size dg
    /// Mandrel diameter as a multiple of the bar diameter; empty: EN 1992-1-1 Table 8.1N
    /// (4 Ø up to 16 mm, 7 Ø above).
    std::optional<float> mandrelSmall; ///< bars of 16 mm and less
    std::optional<float> mandrelLarge; ///< bars over 16 mm
    DuctilityClass ductility = DuctilityClass::None;

    /// Keys the file set explicitly (e.g. "calcestruzzo"); the rest hold defaults.
    std::vector<std::string> fromFile;
    /// Lines the program does not understand, kept as they are and written back unchanged.
    std::vector<std::string> unknownLines;
};

/// A message about one line of the project file: file, line number and what is wrong.
struct ProjectDataMessage {
    std::string file;
    int line = 0;
    std::string text;
};

/// The project file beside a wall data file: `<folder of wall>/progetto.ini`.
std::string projectFilePath(const std::string &wallFile);

/// Reads the project file. A missing file gives the defaults and returns true; a line that
/// cannot be read keeps its default, is reported in messages and kept in unknownLines.
/// Returns false only when the file exists but cannot be read at all (why says so).
bool loadProjectData(const std::string &path, ProjectData &data,
                     std::vector<ProjectDataMessage> *messages = nullptr,
                     std::string *why = nullptr);

/// The project data of the folder a wall data file lies in (defaults when there is none).
ProjectData projectDataForWall(const std::string &wallFile,
                               std::vector<ProjectDataMessage> *messages = nullptr);

/// The text saveProjectData writes: unknown lines first, as they were, then the known keys.
std::string projectDataText(const ProjectData &data);

/// Writes the project file atomically; unknown lines are written back as they were.
bool saveProjectData(const std::string &path, const ProjectData &data, std::string *why);

/// Mandrel diameter in mm for a bar of the given diameter (project value or Table 8.1N).
float mandrelDiameterMm(const ProjectData &data, int barDiameterMm);

/// "DCM", "DCH" or "nessuna".
const char *ductilityName(DuctilityClass c);

/// Reads "nessuna", "DCM" or "DCH" (any case; "no" and "none" too). False for anything else.
bool parseDuctility(const std::string &text, DuctilityClass &c);

/// The names the project file accepts for each material and class, in order. The properties of
/// the materials (strengths, minimum covers) belong to the checks, not to the model.
const std::vector<std::string> &concreteClassNames();   ///< "C20/25" … "C50/60"
const std::vector<std::string> &steelGradeNames();      ///< "B450C", "B450A", "B500B", "B500C"
const std::vector<std::string> &exposureClassNames();   ///< "X0", "XC1" … "XS3"
const std::vector<std::string> &structuralClassNames(); ///< "S1" … "S6"

/// Sets one value as the file's line "key=value" would, checking it the same way. Returns false
/// with why ("valore … non ammesso …") and leaves data unchanged when the value is refused. Used
/// by the reader, by the command-line overrides and by the editor, so all three agree.
bool setProjectValue(ProjectData &data, const std::string &key, const std::string &value,
                     std::string *why = nullptr);

/// True when the file set the key or a caller set it through setProjectValue.
bool projectValueGiven(const ProjectData &data, const std::string &key);

} // namespace murcad
