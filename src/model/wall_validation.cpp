// Bounds of a loaded wall: what every drawing routine may assume without checking again.
#include "model/wall_validation.h"

#include "geometry/numbers.h"
#include "model/wall_limits.h"

#include <cmath>
#include <sstream>

namespace murcad {

namespace {

using namespace limits;

class Checker {
public:
    explicit Checker(std::string &problem) : problem_(problem) {}

    void range(double v, double lo, double hi, const std::string &what) {
        if (!ok_)
            return;
        if (!std::isfinite(v) || v < lo || v > hi) {
            std::ostringstream m;
            m << what << " = " << (std::isfinite(v) ? formatNumber(v, 2) : "non numerico")
              << " fuori dai limiti (da " << formatNumber(lo, 0) << " a " << formatNumber(hi, 0)
              << ")";
            fail(m.str());
        }
    }
    // A bar family: span / spacing bars must stay drawable.
    void bars(double span, double spacing, const std::string &what) {
        if (!ok_ || !(spacing > 0))
            return;
        double n = std::fabs(span) / spacing;
        if (n > kMaxBarsPerRow) {
            std::ostringstream m;
            m << what << ": " << formatNumber(span, 1) << " cm con passo " << formatNumber(spacing, 1)
              << " cm darebbero " << formatNumber(n, 0) << " ferri (al massimo "
              << formatNumber(kMaxBarsPerRow, 0) << ")";
            fail(m.str());
        }
    }
    void fail(const std::string &m) {
        if (ok_) {
            problem_ = m;
            ok_ = false;
        }
    }
    bool ok() const { return ok_; }

private:
    std::string &problem_;
    bool ok_ = true;
};

} // namespace

bool checkWallBounds(const Wall &w, std::string &problem) {
    Checker c(problem);
    const double L = kMaxLength;
    c.range(w.BaseLevel, -L, L, "Quota iniziale");
    c.range(w.FoundationThickness, -L, L, "Spessore fondazione");
    c.range(w.TotalHeight, 0, L, "Altezza totale");
    c.range(w.Thickness, 0, L, "Spessore");
    c.range(w.Cover, 0, L, "Copriferro");
    c.range(w.DiagonalArea, 0, kMaxDiagonalArea, "Area della diagonale");
    c.range(w.DiagonalAngle, -kMaxAngle, kMaxAngle, "Angolo della diagonale");
    c.range(w.DiagonalRise, -L, L, "Altezza della diagonale");
    c.range(w.DiagonalDiameter, 0, kMaxDiameter, "Diametro della diagonale");
    c.range(w.FirstStoreyHeight, -L, L, "Altezza del primo piano");
    c.range(w.TieDiameter, 0, kMaxDiameter, "Diametro delle legature");
    c.range(w.LapFactor, kLapFactorLimit.lo, kLapFactorLimit.hi, "Fattore di ancoraggio");
    c.range(w.ParLineC1, -L, L, "Riga C");
    c.range(w.ParLineC2, -L, L, "Riga C");
    c.range(w.storeyCount(), 1, kMaxStoreys, "Numero di piani");
    if (c.ok() && w.StoreyLevels.size() != w.Storeys.size())
        c.fail("Tabella delle quote dei piani incompleta");
    float bottom = w.BaseLevel;
    for (int i = 0; i < w.storeyCount() && c.ok(); ++i) {
        const Storey &s = w.Storeys[i];
        std::string n = "Piano " + std::to_string(i + 1) + ": ";
        c.range(s.TopLevel, -L, L, n + "quota");
        c.range(w.StoreyLevels[i], -L, L, n + "quota originale");
        c.range(s.Height, -L, L, n + "altezza");
        c.range(s.Length, 0, L, n + "lunghezza");
        c.range(s.Shift, -L, L, n + "spostamento");
        c.range(s.EdgeLength, 0, L, n + "lunghezza della zona di bordo");
        c.range(s.BaseZoneHeight, -L, L, n + "altezza della zona critica");
        c.range(s.OffsetLeft, 0, L, n + "offset sinistro");
        c.range(s.OffsetRight, 0, L, n + "offset destro");
        c.range(s.WebSpacing, 0, L, n + "passo dei ferri d'anima");
        c.range(s.HorizSpacing, 0, L, n + "passo dei ferri orizzontali");
        c.range(s.TieSpacingSet, 0, L, n + "passo delle legature");
        c.range(s.DiamA, 0, kMaxDiameter, n + "diametro dei ferri di bordo");
        c.range(s.DiamB, 0, kMaxDiameter, n + "diametro dei ferri d'anima");
        c.range(s.HorizDiam, 0, kMaxDiameter, n + "diametro dei ferri orizzontali");
        c.range(s.CountA, 0, kMaxEdgeBars, n + "numero dei ferri di bordo");
        c.range(s.CountB, 0, kMaxEdgeBars, n + "numero dei ferri d'anima di bordo");
        float height = s.TopLevel - bottom;
        c.bars(s.Length + s.OffsetLeft + s.OffsetRight, s.WebSpacing, n + "ferri d'anima");
        c.bars(height, s.HorizSpacing, n + "ferri orizzontali");
        c.bars(height, s.TieSpacingSet, n + "legature");
        c.bars(s.Height, s.HorizSpacing, n + "ferri orizzontali");
        c.bars(s.Height, s.TieSpacingSet, n + "legature");
        bottom = s.TopLevel;
    }
    for (int k = 0; k < w.horizSectionCount() && c.ok(); ++k) {
        const HorizSection &h = w.HorizSections[k];
        std::string n = "Sezione " + std::to_string(k + 1) + ": ";
        c.range(h.StoreyIndex, 0, w.storeyCount() - 1, n + "piano");
        for (float v : {h.X1, h.Y1, h.X2, h.Y2})
            c.range(v, -2 * L, 2 * L, n + "estremo");
    }
    for (int k = 0; k < w.vertSectionCount() && c.ok(); ++k) {
        const VertSection &v = w.VertSections[k];
        std::string n = std::string("Sezione ") + static_cast<char>('A' + k % 26) + ": ";
        c.range(v.StoreyIndex, 0, w.storeyCount() - 1, n + "piano iniziale");
        c.range(v.TopStorey, 0, w.storeyCount(), n + "piano finale");
        for (float x : {v.X1, v.Y1, v.X2, v.Y2})
            c.range(x, -2 * L, 2 * L, n + "estremo");
    }
    if (c.ok() && (w.horizSectionCount() > kMaxHorizSections ||
                   w.vertSectionCount() > kMaxVertSections))
        c.fail("Troppe sezioni");
    return c.ok();
}

} // namespace murcad
