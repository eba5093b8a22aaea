// Loading a wall: the companion check, the wall data file (.PAR) and the storey table.
#include "model/wall_file.h"

#include "geometry/numbers.h"
#include "model/companion_file.h"
#include "model/file_time.h"
#include "model/value_reader.h"
#include "model/wall_limits.h"
#include "model/wall_validation.h"

#include <cmath>
#include <sstream>
#include <sys/stat.h>

namespace murcad {

namespace {

using namespace limits;
constexpr float L = kMaxLength;
constexpr int kMaxStoreyTable = kMaxStoreys;

bool isRegularFile(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The version written in the header from its ninth character on (0 when shorter).
int headerVersion(const std::string &h) {
    if (h.size() <= 8)
        return 0;
    std::string rest = h.substr(8);
    std::size_t i = rest.find_first_not_of(" \t");
    if (i == std::string::npos)
        return 0;
    float v = 0;
    if (!tryParseNumber(rest.substr(i), v) || !std::isfinite(v))
        return 0;
    double r = roundHalfEven(v);
    if (r > 32767)
        return 32767;
    if (r < -32768)
        return -32768;
    return static_cast<int>(r);
}

// Inserts an empty storey row at index i with the given top level, keeping the border
// offsets of the storey it is cut from so the drawn outline does not change.
void insertStoreyRow(Wall &w, int i, float top) {
    Storey s;
    s.TopLevel = top;
    if (i < w.storeyCount()) {
        s.OffsetLeft = w.Storeys[i].OffsetLeft;
        s.OffsetRight = w.Storeys[i].OffsetRight;
    }
    w.Storeys.insert(w.Storeys.begin() + i, s);
    w.StoreyLevels.insert(w.StoreyLevels.begin() + i, top);
}

// Short runs of file levels without edge bars near the base take the bars of a neighbour.
void fillShortEdgeBarRuns(Wall &w, int levelCount) {
    int a = -1;
    for (int j = 0; j < levelCount; ++j)
        if (w.FileLevels[j].CountA == 0) {
            a = j;
            break;
        }
    int b = -1;
    for (int j = 0; j + 1 < levelCount; ++j)
        if (w.FileLevels[j].CountA == 0 && w.FileLevels[j + 1].CountA > 0) {
            b = j;
            break;
        }
    if (a < 0 || b < 0 || b < a)
        return;
    if (w.FileLevels[b].TopLevel - w.FileLevels[a].TopLevel >= 120)
        return;
    const FileLevel &from = (a == 0) ? w.FileLevels[b + 1] : w.FileLevels[a - 1];
    int countA = from.CountA, diamA = from.DiamA;
    for (int j = a; j <= b; ++j) {
        w.FileLevels[j].CountA = countA;
        w.FileLevels[j].DiamA = diamA;
    }
}

// Puts a storey boundary at the top of the base (critical) zone.
void insertBaseZoneBoundary(Wall &w) {
    const float base = w.FileLevels[0].TopLevel;
    const float z = base + w.ParLineC2;
    for (int i = 0; i < w.storeyCount(); ++i) {
        float bottom = i == 0 ? base : w.Storeys[i - 1].TopLevel;
        // A boundary at or below the storey's bottom would make a storey of no height.
        if (!(z > bottom))
            return;
        Storey &s = w.Storeys[i];
        if (std::fabs(s.TopLevel - z) < 30) {
            s.TopLevel = z;
            return;
        }
        if (s.TopLevel > z && s.TopLevel - base + w.ParLineC2 > 100) {
            insertStoreyRow(w, i, z);
            return;
        }
    }
}

// Splits storeys taller than 400 with a boundary 300 above their bottom.
void splitTallStoreys(Wall &w) {
    const float base = w.FileLevels[0].TopLevel;
    for (int i = 0; i < w.storeyCount() && w.storeyCount() < kMaxStoreyTable; ++i) {
        float bottom = i == 0 ? base : w.Storeys[i - 1].TopLevel;
        if (w.Storeys[i].TopLevel - bottom > 400)
            insertStoreyRow(w, i, bottom + 300);
    }
}

// Takes the bar and geometry values of one file level into a storey being completed.
struct StoreyAccumulator {
    bool any = false;
    void add(Storey &s, const FileLevel &f, int j, const Wall &w, float bottom) {
        s.WebSpacing = std::min(s.WebSpacing, f.WebSpacing);
        s.HorizSpacing = std::min(s.HorizSpacing, f.HorizSpacing);
        if (f.TieSpacingSet > 0 && (s.TieSpacingSet <= 0 || f.TieSpacingSet < s.TieSpacingSet))
            s.TieSpacingSet = f.TieSpacingSet;
        s.Length = std::max(s.Length, f.Length);
        s.EdgeLength = std::max(s.EdgeLength, f.EdgeLength);
        s.DiamA = std::max(s.DiamA, f.DiamA);
        s.CountA = std::max(s.CountA, f.CountA);
        s.DiamB = std::max(s.DiamB, f.DiamB);
        s.HorizDiam = std::max(s.HorizDiam, f.HorizDiam);
        s.StoreyExtra = std::max(s.StoreyExtra, f.LevelFlag);
        if (!any)
            s.Shift = f.Shift;
        any = true;
        if (f.CountA < 1 && s.BaseZoneHeight == -1) {
            float zoneTop = w.BaseLevel + w.ParLineC2;
            if (j > 0)
                zoneTop = std::max(zoneTop, w.FileLevels[j - 1].TopLevel);
            s.BaseZoneHeight = zoneTop - bottom;
        }
    }
};

// Bars of set B in each edge zone, at the web spacing.
int edgeZoneWebBars(float edgeLength, float cover, float webSpacing) {
    float w = edgeLength - 2 * cover - 1.6f;
    double spacingWhole = roundHalfEven(webSpacing);
    if (!(webSpacing > 0) || spacingWhole == 0)
        return 2;
    double q = w / webSpacing;
    long long n = static_cast<long long>(roundHalfEven(w)) / static_cast<long long>(spacingWhole);
    return std::fabs(q - static_cast<double>(n)) > 0.2 ? static_cast<int>(n + 2)
                                                       : static_cast<int>(n + 1);
}

void completeStoreys(Wall &w, int levelCount) {
    w.BaseLevel = w.FileLevels[0].TopLevel;
    for (int i = 0; i < w.storeyCount(); ++i) {
        Storey &s = w.Storeys[i];
        float bottom = w.storeyBottom(i);
        float offsetLeft = s.OffsetLeft, offsetRight = s.OffsetRight, top = s.TopLevel;
        s = Storey{};
        s.TopLevel = top;
        s.OffsetLeft = offsetLeft;
        s.OffsetRight = offsetRight;
        s.WebSpacing = 100;
        s.HorizSpacing = 100;
        s.BaseZoneHeight = -1;
        StoreyAccumulator acc;
        for (int j = 0; j < levelCount; ++j) {
            const FileLevel &f = w.FileLevels[j];
            if (f.TopLevel > bottom && f.TopLevel <= s.TopLevel)
                acc.add(s, f, j, w, bottom);
        }
        if (!acc.any) {
            // No analysis level inside the storey: the first level above describes the wall
            // up to its own level, so the storey takes its values.
            int above = -1;
            for (int j = 0; j < levelCount; ++j)
                if (w.FileLevels[j].TopLevel > s.TopLevel &&
                    (above < 0 || w.FileLevels[j].TopLevel < w.FileLevels[above].TopLevel))
                    above = j;
            if (above >= 0)
                acc.add(s, w.FileLevels[above], above, w, bottom);
        }
        if (s.BaseZoneHeight == -1)
            s.BaseZoneHeight = s.TopLevel - bottom;
        s.CountB = edgeZoneWebBars(s.EdgeLength, w.Cover, s.WebSpacing);
        s.CountA = s.CountA / 2;
        if (s.DiamA == 0) {
            if (s.CountA < s.CountB)
                s.CountA = s.CountB;
            s.DiamA = s.DiamB;
        }
        if (s.CountA < 2)
            s.CountA = 2;
        if (s.CountB < 2)
            s.CountB = 2;
    }
    computeStoreyHeights(w);
}

float diagonalAngleFor(const Wall &w) {
    float d = w.Storeys[0].Length / 2 - w.Cover;
    if (d == 0)
        return w.FirstStoreyHeight >= 0 ? 90.0f : -90.0f;
    return static_cast<float>(radiansToDegrees(std::atan(w.FirstStoreyHeight / d)));
}

// Reads the wall data file into w (a staging copy). Returns false with r's error.
LoadOutcome readWallDataFile(ValueReader &r, Wall &w) {
    std::string header;
    if (!r.readText(header, "l'intestazione del file"))
        return LoadOutcome::Failed;
    w.ParVersion = headerVersion(header);
    if (w.ParVersion > 5 || w.ParVersion < 0) {
        r.failWithMessage(r.lastLine(), header, "una versione da 0 a 5", kVersionMessage);
        return LoadOutcome::Failed;
    }
    const int ver = w.ParVersion;
    w.NoEdgeZones = w.BandElement = w.SingleLayerVert = w.SingleLayerHoriz = 0;
    if (ver > 2) {
        if (!r.readInteger(w.NoEdgeZones, "il tipo di parete"))
            return LoadOutcome::Failed;
        if (w.NoEdgeZones != 0 && !(r.readInteger(w.BandElement, "l'indicatore di fascia") &&
                                    r.readInteger(w.SingleLayerVert, "lo strato verticale") &&
                                    r.readInteger(w.SingleLayerHoriz, "lo strato orizzontale")))
            return LoadOutcome::Failed;
    }
    if (w.BandElement != 0)
        return LoadOutcome::BandElement;

    int storeys = 0, levels = 0;
    if (!(r.readInteger(storeys, "il numero di piani") &&
          r.readInteger(w.ParLineA2, "un valore della riga A") &&
          r.readInteger(w.ParLineA3, "un valore della riga A") &&
          r.readInteger(w.WallNumber, "il numero della parete") &&
          r.readInteger(levels, "il numero di livelli")))
        return LoadOutcome::Failed;
    if (storeys < 0 || storeys > kMaxFileStoreys) {
        r.fail(r.lastLine(), std::to_string(storeys), "un numero di piani da 0 a 1000");
        return LoadOutcome::Failed;
    }
    if (levels < 1 || levels > kMaxFileLevels) {
        r.fail(r.lastLine(), std::to_string(levels), "un numero di livelli da 1 a 10000");
        return LoadOutcome::Failed;
    }
    if (!(r.readSingleIn(w.TotalHeight, "l'altezza totale", 0, L) &&
          r.readSingleIn(w.ParLineB2, "un valore della riga B", -L, L) &&
          r.readSingleIn(w.Thickness, "lo spessore", 0, L) &&
          r.readSingleIn(w.FoundationThickness, "lo spessore della fondazione", -L, L) &&
          r.readSingleIn(w.ParLineC1, "un valore della riga C", -L, L) &&
          r.readSingleIn(w.ParLineC2, "un valore della riga C", -L, L) &&
          r.readSingleIn(w.DiagonalArea, "l'area della diagonale", 0, kMaxDiagonalArea) &&
          r.readSingleIn(w.DiagonalAngle, "l'angolo della diagonale", -kMaxAngle, kMaxAngle) &&
          r.readSingleIn(w.DiagonalRise, "l'altezza della diagonale", -L, L)))
        return LoadOutcome::Failed;
    w.DiagonalDiameter = diagonalBarDiameter(w.DiagonalArea);
    if (!(r.readSingleIn(w.Cover, "il copriferro", 0, L) &&
          r.readSingleIn(w.ParLineE2, "un valore della riga E", -L, L) &&
          r.readSingleIn(w.ParLineE3, "un valore della riga E", -L, L)))
        return LoadOutcome::Failed;
    w.ParLineC1 = std::min(w.ParLineC1, w.TotalHeight);
    w.ParLineC2 = std::min(w.ParLineC2, w.TotalHeight);

    w.FileLevels.assign(levels + 1, FileLevel{});
    if (storeys > 0) {
        w.Storeys.assign(storeys, Storey{});
        w.StoreyLevels.assign(storeys, 0.0f);
        for (int i = 0; i < storeys; ++i) {
            Storey &s = w.Storeys[i];
            if (!r.readSingleIn(s.TopLevel, "la quota del piano", -L, L))
                return LoadOutcome::Failed;
            w.StoreyLevels[i] = s.TopLevel;
            if (ver > 1 && !(r.readSingleIn(s.OffsetRight, "l'offset destro", 0, L) &&
                             r.readSingleIn(s.OffsetLeft, "l'offset sinistro", 0, L)))
                return LoadOutcome::Failed;
        }
    }
    for (int j = 0; j < levels; ++j) {
        FileLevel &f = w.FileLevels[j];
        float e = 0, web = 0, h = 0, t = 0;
        bool ok = r.readSingleIn(f.Shift, "lo spostamento del livello", -L, L) &&
                  r.readSingleIn(f.TopLevel, "la quota del livello", -L, L) &&
                  r.readSingleIn(f.Length, "la lunghezza del livello", 0, L) &&
                  r.readSingleIn(e, "la lunghezza della zona di bordo", -L, L) &&
                  r.readIntegerIn(f.DiamB, "il diametro dei ferri d'anima", 0, kMaxDiameter) &&
                  r.readSingleIn(web, "il passo dei ferri d'anima", 0, L) &&
                  r.readIntegerIn(f.DiamA, "il diametro dei ferri di bordo", 0, kMaxDiameter) &&
                  r.readIntegerIn(f.CountA, "il numero dei ferri di bordo", 0, kMaxEdgeBars) &&
                  r.readIntegerIn(f.HorizDiam, "il diametro dei ferri orizzontali", 0, kMaxDiameter) &&
                  r.readSingleIn(h, "il passo dei ferri orizzontali", 0, L);
        if (ok && ver >= 4)
            ok = r.readSingleIn(t, "il passo delle legature", 0, L);
        if (ok && ver >= 5)
            ok = r.readInteger(f.LevelFlag, "il dato aggiuntivo del livello");
        if (!ok)
            return LoadOutcome::Failed;
        f.EdgeLength = e > 0 ? e + w.Cover : 0;
        f.WebSpacing = floorToHalf(web);
        f.HorizSpacing = floorToHalf(h);
        f.TieSpacingSet = floorToHalf(t);
    }
    // FirstStoreyHeight: the distance of the first two storey tops; a single storey's height.
    if (storeys >= 2)
        w.FirstStoreyHeight = std::fabs(w.Storeys[1].TopLevel - w.Storeys[0].TopLevel);
    else if (storeys == 1)
        w.FirstStoreyHeight = w.Storeys[0].TopLevel - w.FileLevels[0].TopLevel;
    else
        w.FirstStoreyHeight = w.TotalHeight;

    fillShortEdgeBarRuns(w, levels);
    if (storeys == 0) {
        w.Storeys.assign(1, Storey{});
        w.Storeys[0].TopLevel = w.TotalHeight + w.FileLevels[0].TopLevel;
        w.StoreyLevels.assign(1, w.Storeys[0].TopLevel);
    }
    int elements = 0;
    if (!r.readInteger(elements, "il numero di elementi"))
        return LoadOutcome::Failed;
    if (elements < 0 || elements > kMaxElements) {
        r.fail(r.lastLine(), std::to_string(elements), "un numero di elementi da 0 a 100000");
        return LoadOutcome::Failed;
    }
    w.Elements.assign(elements, Element{});
    static const int singleOrder[6] = {1, 0, 4, 2, 5, 3}; // fields 2, 1, 5, 3, 6, 4
    for (Element &el : w.Elements) {
        if (!(r.readLong(el.Long1, "un valore dell'elemento") &&
              r.readLong(el.Long2, "un valore dell'elemento") &&
              r.readInteger(el.Int3, "un valore dell'elemento")))
            return LoadOutcome::Failed;
        for (int k : singleOrder)
            if (!r.readSingle(el.Singles[k], "un valore dell'elemento"))
                return LoadOutcome::Failed;
    }
    if (w.NoEdgeZones == 0)
        insertBaseZoneBoundary(w);
    splitTallStoreys(w);
    completeStoreys(w, levels);
    computeStoreyRange(w);
    if (w.DiagonalAngle > 0.1f)
        w.DiagonalAngle = diagonalAngleFor(w);
    return LoadOutcome::Loaded;
}

// Refuses a wall that loaded but lies outside the bounds the drawings rely on.
bool withinBounds(const Wall &w, const std::string &file, LoadError &error) {
    std::string problem;
    if (checkWallBounds(w, problem))
        return true;
    error = {file, 0, "", "", file + ": " + problem + "."};
    return false;
}

// The staged wall becomes the current wall.
void takeStagedWall(Wall &staged, const std::string &path, Wall &wall, LoadResult &result) {
    staged.WallFile = path;
    staged.LoadStatus = 0;
    wall = std::move(staged);
    result.outcome = LoadOutcome::Loaded;
}

// Drops the section cuts that name storeys the wall does not have; returns how many.
int dropSectionsOfMissingStoreys(Wall &w) {
    const int n = w.storeyCount();
    std::size_t before = w.HorizSections.size() + w.VertSections.size();
    std::erase_if(w.HorizSections,
                  [n](const HorizSection &h) { return h.StoreyIndex < 0 || h.StoreyIndex >= n; });
    std::erase_if(w.VertSections, [n](const VertSection &v) {
        return v.StoreyIndex < 0 || v.StoreyIndex >= n || v.TopStorey < 0 || v.TopStorey > n;
    });
    return static_cast<int>(before - w.HorizSections.size() - w.VertSections.size());
}

std::string droppedText(const std::string &companion, int dropped) {
    return companion + ": " +
           (dropped == 1 ? std::string("una sezione riferita a un piano inesistente è stata "
                                       "eliminata")
                         : std::to_string(dropped) +
                               " sezioni riferite a piani inesistenti sono state eliminate") +
           ".";
}

// Notes that a companion was not used, or used only in part, and why.
void setAside(LoadResult &result, const std::string &companion, const std::string &why) {
    result.companionProblem = why;
    result.companionSetAside = companion;
}

std::string unusedText(const std::string &companion, std::string why) {
    // The reason names the file already: say it once.
    for (const char *sep : {", ", ": "})
        if (why.rfind(companion + sep, 0) == 0) {
            why.erase(0, companion.size() + 2);
            break;
        }
    return "Il file " + companion + " non è stato usato: " + why +
           "\nLa parete è letta dal file dati con le sezioni predefinite. Il file resta com'è; "
           "al prossimo salvataggio ne sarà conservata una copia (.bak).";
}

// Reads wall data text into a staging copy, gives it its sections (those stored in an old
// companion, or the defaults), checks the bounds, and takes it only when all of that worked.
// An old companion that cannot be read or gives sections out of bounds is set aside and the
// default sections are made instead.
LoadResult loadFromWallData(const std::string &text, const std::string &path,
                            const std::string *oldCompanion, const CompanionHead &head,
                            Wall &wall, LoadResult result = {}) {
    ValueReader r(text, path);
    Wall staged = wall;
    LoadOutcome outcome = readWallDataFile(r, staged);
    if (outcome == LoadOutcome::Failed) {
        result.error = r.error();
        return result;
    }
    if (outcome == LoadOutcome::BandElement) {
        wall.LoadStatus = -2;
        result.outcome = LoadOutcome::BandElement;
        return result;
    }
    staged.HorizSections.clear();
    staged.VertSections.clear();
    if (oldCompanion) {
        Wall withSections = staged;
        std::string ctext, why;
        LoadError problem;
        if (!readWholeFile(*oldCompanion, ctext, &why)) {
            problem.message = "impossibile leggerlo (" + why + ").";
        } else {
            ValueReader cr(std::move(ctext), *oldCompanion);
            CompanionHead again;
            cr.readInteger(again.version, "la versione del file");
            cr.readInteger(again.horizCount, "il numero di sezioni orizzontali");
            cr.readInteger(again.vertCount, "il numero di sezioni verticali");
            if (cr.failed() || !readOldCompanionSections(cr, head, withSections))
                problem = cr.error();
        }
        int dropped = problem.message.empty() ? dropSectionsOfMissingStoreys(withSections) : 0;
        if (problem.message.empty() && !withinBounds(withSections, *oldCompanion, problem))
            dropped = 0;
        if (problem.message.empty()) {
            if (dropped > 0)
                setAside(result, *oldCompanion, droppedText(*oldCompanion, dropped));
            takeStagedWall(withSections, path, wall, result);
            return result;
        }
        setAside(result, *oldCompanion, unusedText(*oldCompanion, describeLoadError(problem)));
    }
    makeDefaultSections(staged);
    if (withinBounds(staged, path, result.error))
        takeStagedWall(staged, path, wall, result);
    return result;
}

} // namespace

std::string companionPath(const std::string &wallPath) {
    if (wallPath.size() < 3)
        return {};
    return wallPath.substr(0, wallPath.size() - 3) + "wpx";
}

std::string describeLoadError(const LoadError &e) {
    if (!e.message.empty())
        return e.message;
    std::ostringstream m;
    m << e.file;
    if (e.line > 0)
        m << ", riga " << e.line;
    m << ": atteso " << e.expected;
    if (!e.found.empty())
        m << ", trovato \"" << e.found << "\"";
    return m.str();
}

LoadResult loadWall(const std::string &path, Wall &wall) {
    LoadResult result;
    if (!isRegularFile(path)) {
        result.error = {path, 0, "", "", "Il file " + path + " non esiste o non è leggibile."};
        return result;
    }
    // Companion check: a companion stamped with the data file's time holds the whole wall.
    std::string companion = companionPath(path);
    bool haveCompanion = !companion.empty() && isRegularFile(companion);
    CompanionHead head;
    LoadError headError;
    if (haveCompanion && !readCompanionHead(companion, head, headError)) {
        setAside(result, companion, unusedText(companion, describeLoadError(headError)));
        haveCompanion = false;
    }
    if (haveCompanion && head.version > 4) {
        auto fileTime = fileDateTime(path);
        DateTime stored = parseDateTime(head.dateText);
        if (fileTime && !companionIsStale(*fileTime, stored)) {
            Wall staged = wall;
            LoadError problem;
            bool read = readCompanionFile(companion, staged, problem);
            // A newer program wrote it: the user's edits there must not be thrown away.
            if (!read && head.version >= 12) {
                result.error = problem;
                return result;
            }
            int dropped = read ? dropSectionsOfMissingStoreys(staged) : 0;
            if (read && withinBounds(staged, companion, problem)) {
                if (dropped > 0)
                    setAside(result, companion, droppedText(companion, dropped));
                takeStagedWall(staged, path, wall, result);
                result.fromCompanion = true;
                return result;
            }
            setAside(result, companion, unusedText(companion, describeLoadError(problem)));
        }
        haveCompanion = false;
    }

    std::string text, why;
    if (!readWholeFile(path, text, &why)) {
        result.error = {path, 0, "", "", "Impossibile leggere " + path + ": " + why};
        return result;
    }
    return loadFromWallData(text, path, haveCompanion && head.version <= 4 ? &companion : nullptr,
                            head, wall, result);
}

LoadResult readWallData(const std::string &text, const std::string &fileName, Wall &wall) {
    return loadFromWallData(text, fileName, nullptr, CompanionHead{}, wall);
}

} // namespace murcad
