// Writing and reading the companion file (.wpx), versions 1 to 11.
#include "model/companion_file.h"

#include "geometry/numbers.h"
#include "model/atomic_file.h"
#include "model/file_time.h"
#include "model/wall_file.h"

#include <string>
#include <vector>

namespace murcad {

namespace {

constexpr int kMaxStoreys = 2000;

// A whole number as the platform prints it: a blank or a minus, the digits, one blank.
std::string n0(long long v) { return signedText(v) + " "; }

// A Single with exactly d decimals and a point.
std::string fd(float v, int d) { return formatNumber(static_cast<double>(v), d); }

// Joins values into print zones of 14 columns: each value after the first starts at the
// next zone boundary, so values are always separated by at least one blank.
std::string zones(const std::vector<std::string> &values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            std::size_t next = (line.size() / 14 + 1) * 14;
            line.append(next - line.size(), ' ');
        }
        line += values[i];
    }
    return line;
}

class LineWriter {
public:
    void line(const std::string &s) { out += s + "\r\n"; }
    void line(const std::vector<std::string> &v) { line(zones(v)); }
    std::string out;
};

} // namespace

std::string companionText(const Wall &w, const std::string &fileTimeText) {
    LineWriter o;
    o.line({n0(kCompanionVersion), n0(w.horizSectionCount()), n0(w.vertSectionCount())});
    o.line(fileTimeText);
    for (const HorizSection &h : w.HorizSections) {
        o.line({n0(h.StoreyIndex), n0(h.AboveBaseZone)});
        o.line({fd(h.X1, 2), fd(h.Y1, 2), fd(h.X2, 2), fd(h.Y2, 2)});
    }
    for (const VertSection &v : w.VertSections) {
        o.line({n0(v.StoreyIndex), n0(v.TopStorey)});
        o.line({fd(v.X1, 2), fd(v.Y1, 2), fd(v.X2, 2), fd(v.Y2, 2)});
    }
    o.line(fd(w.LapFactor, 1));
    o.line(n0(w.ExtraOption));
    o.line(n0(w.storeyCount()));
    for (int i = 0; i < w.storeyCount(); ++i) {
        const Storey &s = w.Storeys[i];
        for (float v : {s.TopLevel, s.Length, s.Shift, s.EdgeLength})
            o.line(fd(v, 4));
        for (int v : {s.DiamA, s.CountA, s.CountB, s.DiamB})
            o.line(n0(v));
        o.line(fd(s.WebSpacing, 4));
        o.line(n0(s.HorizDiam));
        for (float v : {s.HorizSpacing, s.Height, s.BaseZoneHeight, s.OffsetRight, s.OffsetLeft,
                        s.TieSpacingSet})
            o.line(fd(v, 4));
        o.line(n0(s.StoreyExtra));
        o.line(fd(i < static_cast<int>(w.StoreyLevels.size()) ? w.StoreyLevels[i] : s.TopLevel, 4));
    }
    o.line({fd(w.TotalHeight, 4), fd(w.ParLineB2, 4), fd(w.Thickness, 4)});
    o.line({fd(w.SpareSingle1, 4), fd(w.ParLineC1, 4), fd(w.ParLineC2, 4), fd(w.SpareSingle2, 4)});
    o.line({fd(w.DiagonalArea, 4), fd(w.DiagonalAngle, 4), fd(w.DiagonalRise, 4), fd(w.Cover, 4)});
    o.line({fd(w.BaseLevel, 4), fd(w.FoundationThickness, 4), fd(w.ParLineE2, 4),
            fd(w.ParLineE3, 4)});
    o.line({n0(w.ParLineA2), n0(w.ParLineA3)});
    o.line({n0(w.SpareInt), n0(w.WallNumber)});
    o.line({n0(w.NoEdgeZones), n0(w.BandElement), n0(w.SingleLayerVert), n0(w.SingleLayerHoriz)});
    o.line({n0(w.DiagonalDiameter), fd(w.FirstStoreyHeight, 2)});
    o.line(n0(w.TieDiameter));
    return o.out;
}

bool writeCompanionFile(const std::string &wallPath, const Wall &w, std::string *why) {
    auto t = fileDateTime(wallPath);
    if (!t) {
        if (why)
            *why = "Il file dati " + wallPath + " non esiste: impossibile salvare.";
        return false;
    }
    std::string companion = companionPath(wallPath);
    if (companion.empty()) {
        if (why)
            *why = "Nome del file dati non valido: " + wallPath;
        return false;
    }
    return writeFileAtomically(companion, companionText(w, formatDateTime(*t)), why);
}

static bool readHeadFrom(ValueReader &r, CompanionHead &head) {
    return r.readInteger(head.version, "la versione del file") &&
           r.readInteger(head.horizCount, "il numero di sezioni orizzontali") &&
           r.readInteger(head.vertCount, "il numero di sezioni verticali");
}

static bool checkHead(ValueReader &r, const CompanionHead &head) {
    if (head.version >= 12 || head.version < 0) {
        r.failWithMessage(1, std::to_string(head.version), "una versione fino a 11",
                          kVersionMessage);
        return false;
    }
    if (head.horizCount < 0 || head.horizCount > kMaxHorizSections) {
        r.fail(1, std::to_string(head.horizCount), "da 0 a 201 sezioni orizzontali");
        return false;
    }
    if (head.vertCount < 0 || head.vertCount > kMaxVertSections) {
        r.fail(1, std::to_string(head.vertCount), "da 0 a 51 sezioni verticali");
        return false;
    }
    return true;
}

// Moves past the rest of the current line, so the next read starts on the following line.
static void skipRestOfLine(ValueReader &r) {
    std::string rest;
    if (!r.exhausted())
        r.readLine(rest, "");
}

bool readCompanionHead(const std::string &companion, CompanionHead &head, LoadError &error) {
    std::string text, why;
    if (!readWholeFile(companion, text, &why)) {
        error = {companion, 0, "", "", companion + ": " + why};
        return false;
    }
    ValueReader r(std::move(text), companion);
    // Only the stale test needs the head: the version and counts of a newer or damaged
    // companion are judged when (and if) its contents are read.
    if (readHeadFrom(r, head)) {
        if (head.version > 4) {
            skipRestOfLine(r);
            if (!r.exhausted())
                r.readLine(head.dateText, "la data del file dati");
        }
    }
    if (r.failed()) {
        error = r.error();
        return false;
    }
    return true;
}

static bool readHorizRecord(ValueReader &r, HorizSection &h) {
    return r.readInteger(h.StoreyIndex, "il piano della sezione") &&
           r.readInteger(h.AboveBaseZone, "l'indicatore di zona critica") &&
           r.readSingle(h.X1, "X1 della sezione") && r.readSingle(h.Y1, "Y1 della sezione") &&
           r.readSingle(h.X2, "X2 della sezione") && r.readSingle(h.Y2, "Y2 della sezione");
}

static bool readVertRecord(ValueReader &r, VertSection &v) {
    return r.readInteger(v.StoreyIndex, "il piano della sezione") &&
           r.readInteger(v.TopStorey, "il piano finale della sezione") &&
           r.readSingle(v.X1, "X1 della sezione") && r.readSingle(v.Y1, "Y1 della sezione") &&
           r.readSingle(v.X2, "X2 della sezione") && r.readSingle(v.Y2, "Y2 della sezione");
}

bool readCompanionFile(const std::string &companion, Wall &target, LoadError &error) {
    std::string text, why;
    if (!readWholeFile(companion, text, &why)) {
        error = {companion, 0, "", "", companion + ": " + why};
        return false;
    }
    return readCompanionText(text, companion, target, error);
}

bool readCompanionText(const std::string &text, const std::string &companion, Wall &target,
                       LoadError &error) {
    ValueReader r(text, companion);
    CompanionHead head;
    Wall w = target;
    auto done = [&]() {
        if (r.failed()) {
            error = r.error();
            return false;
        }
        target = std::move(w);
        return true;
    };
    if (!readHeadFrom(r, head) || !checkHead(r, head))
        return done();
    if (head.version < 5) {
        r.fail(1, std::to_string(head.version), "una versione da 5 a 11");
        return done();
    }
    const int v = head.version;
    skipRestOfLine(r);
    std::string date;
    r.readLine(date, "la data del file dati");
    w.HorizSections.assign(head.horizCount, {});
    w.VertSections.assign(head.vertCount, {});
    for (HorizSection &h : w.HorizSections)
        if (!readHorizRecord(r, h))
            return done();
    for (VertSection &s : w.VertSections)
        if (!readVertRecord(r, s))
            return done();
    int storeys = 0;
    if (!r.readSingle(w.LapFactor, "il fattore di ancoraggio") ||
        !r.readInteger(w.ExtraOption, "l'opzione aggiuntiva") ||
        !r.readInteger(storeys, "il numero di piani"))
        return done();
    if (storeys < 1 || storeys > kMaxStoreys) {
        r.fail(r.lastLine(), std::to_string(storeys), "un numero di piani da 1 a 2000");
        return done();
    }
    w.Storeys.assign(storeys, {});
    w.StoreyLevels.assign(storeys, 0.0f);
    for (int i = 0; i < storeys; ++i) {
        Storey &s = w.Storeys[i];
        bool ok = r.readSingle(s.TopLevel, "la quota del piano") &&
                  r.readSingle(s.Length, "la lunghezza del piano") &&
                  r.readSingle(s.Shift, "lo spostamento del piano") &&
                  r.readSingle(s.EdgeLength, "la lunghezza della zona di bordo") &&
                  r.readInteger(s.DiamA, "il diametro dei ferri di bordo") &&
                  r.readInteger(s.CountA, "il numero dei ferri di bordo") &&
                  r.readInteger(s.CountB, "il numero dei ferri d'anima") &&
                  r.readInteger(s.DiamB, "il diametro dei ferri d'anima") &&
                  r.readSingle(s.WebSpacing, "il passo dei ferri d'anima") &&
                  r.readInteger(s.HorizDiam, "il diametro dei ferri orizzontali") &&
                  r.readSingle(s.HorizSpacing, "il passo dei ferri orizzontali") &&
                  r.readSingle(s.Height, "l'altezza del piano") &&
                  r.readSingle(s.BaseZoneHeight, "l'altezza della zona critica") &&
                  r.readSingle(s.OffsetRight, "l'offset destro") &&
                  r.readSingle(s.OffsetLeft, "l'offset sinistro");
        if (ok && v >= 7)
            ok = r.readSingle(s.TieSpacingSet, "il passo delle legature");
        if (ok && v >= 10)
            ok = r.readInteger(s.StoreyExtra, "il dato aggiuntivo del piano");
        if (ok && v >= 11)
            ok = r.readSingle(w.StoreyLevels[i], "la quota originale del piano");
        else
            w.StoreyLevels[i] = s.TopLevel;
        if (!ok)
            return done();
    }
    bool ok = r.readSingle(w.TotalHeight, "l'altezza totale") &&
              r.readSingle(w.ParLineB2, "un valore della riga B") &&
              r.readSingle(w.Thickness, "lo spessore") &&
              r.readSingle(w.SpareSingle1, "un valore di riserva") &&
              r.readSingle(w.ParLineC1, "un valore della riga C") &&
              r.readSingle(w.ParLineC2, "un valore della riga C") &&
              r.readSingle(w.SpareSingle2, "un valore di riserva") &&
              r.readSingle(w.DiagonalArea, "l'area della diagonale") &&
              r.readSingle(w.DiagonalAngle, "l'angolo della diagonale") &&
              r.readSingle(w.DiagonalRise, "l'altezza della diagonale") &&
              r.readSingle(w.Cover, "il copriferro") &&
              r.readSingle(w.BaseLevel, "la quota iniziale") &&
              r.readSingle(w.FoundationThickness, "lo spessore della fondazione") &&
              r.readSingle(w.ParLineE2, "un valore della riga E") &&
              r.readSingle(w.ParLineE3, "un valore della riga E") &&
              r.readInteger(w.ParLineA2, "un valore della riga A") &&
              r.readInteger(w.ParLineA3, "un valore della riga A") &&
              r.readInteger(w.SpareInt, "un valore di riserva") &&
              r.readInteger(w.WallNumber, "il numero della parete");
    if (!ok)
        return done();
    w.NoEdgeZones = w.BandElement = w.SingleLayerVert = w.SingleLayerHoriz = 0;
    if (v >= 6 && !(r.readInteger(w.NoEdgeZones, "il tipo di parete") &&
                    r.readInteger(w.BandElement, "l'indicatore di fascia") &&
                    r.readInteger(w.SingleLayerVert, "lo strato dei ferri verticali") &&
                    r.readInteger(w.SingleLayerHoriz, "lo strato dei ferri orizzontali")))
        return done();
    w.DiagonalDiameter = 0;
    w.FirstStoreyHeight = 0;
    if (v >= 8 && !(r.readInteger(w.DiagonalDiameter, "il diametro della diagonale") &&
                    r.readSingle(w.FirstStoreyHeight, "l'altezza del primo piano")))
        return done();
    w.TieDiameter = 6;
    if (v >= 9 && !r.readInteger(w.TieDiameter, "il diametro delle legature"))
        return done();
    // The companion describes the wall as saved; the data file's tables are not part of it.
    w.FileLevels.assign(1, FileLevel{});
    w.Elements.clear();
    computeStoreyRange(w);
    w.LoadStatus = 0;
    return done();
}

bool readOldCompanionSections(ValueReader &r, const CompanionHead &head, Wall &w) {
    if (!checkHead(r, head))
        return false;
    if (head.version == 4) {
        w.HorizSections.assign(head.horizCount, {});
        w.VertSections.assign(head.vertCount, {});
        for (HorizSection &h : w.HorizSections)
            if (!readHorizRecord(r, h))
                return false;
        for (VertSection &s : w.VertSections)
            if (!readVertRecord(r, s))
                return false;
    } else {
        for (int k = 0; k < head.horizCount; ++k) {
            HorizSection h;
            if (!readHorizRecord(r, h))
                return false;
            insertHorizontalSection(w, h.Y1);
        }
        for (int k = 0; k < head.vertCount; ++k) {
            VertSection s;
            if (!readVertRecord(r, s))
                return false;
            insertVerticalSection(w, s.X1);
        }
    }
    if (head.version > 1 && !r.readSingle(w.LapFactor, "il fattore di ancoraggio"))
        return false;
    if (head.version > 2 && !r.readInteger(w.ExtraOption, "l'opzione aggiuntiva"))
        return false;
    return true;
}

} // namespace murcad
