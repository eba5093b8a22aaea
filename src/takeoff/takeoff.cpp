// Take-off of one wall: bar groups per storey, ties, diagonal bars, steel and concrete.
#include "takeoff/takeoff.h"

#include "geometry/bar_geometry.h"
#include "geometry/diagonal_geometry.h"
#include "geometry/numbers.h"
#include "bars/bar_counts.h"
#include "bars/bar_lengths.h"

#include <algorithm>

namespace murcad {

namespace {

std::string storeyLabel(int i) {
    return "Piano " + signedText(i + 1);
}

/// Adds a row's weight to the wall's steel and to its diameter class.
void book(WallTakeoff &t, TakeoffRow &row) {
    row.weight = rowWeight(row.diameter, row.count, row.length);
    t.WallSteel += row.weight;
    if (row.weightClass >= static_cast<int>(t.WallByDiameter.size()))
        t.WallByDiameter.resize(row.weightClass + 1, 0.0f);
    t.WallByDiameter[row.weightClass] += row.weight;
}

TakeoffRow barRow(std::string label, int count, int diameter, float length) {
    TakeoffRow r;
    r.label = std::move(label);
    r.count = std::max(count, 0);
    r.diameter = diameter;
    r.length = std::max(length, 0.0f);
    r.weightClass = diameterClass(diameter);
    return r;
}

/// Edge-zone vertical bars of storey i: diameter and count.
void edgeBars(const Wall &w, int i, int &d, int &n) {
    EdgeBarCount e = edgeBarCount(w, i);
    d = e.diameter;
    n = e.count;
}

void addVertical(WallTakeoff &t, TakeoffTable &table, TakeoffRow row) {
    // A bar group without length is no bar at all.
    if (!(row.length > 0.001f))
        return;
    book(t, row);
    table.rows.push_back(std::move(row));
}

TakeoffTable verticalBars(const Wall &w, WallTakeoff &t) {
    TakeoffTable table{TableKind::Vertical, {}};
    for (int i = 0; i < w.storeyCount(); ++i) {
        int d, n;
        if (i == 0 && w.FoundationThickness > 0) {
            edgeBars(w, 0, d, n);
            addVertical(t, table, barRow("Fond.", n, d, static_cast<float>(lFerriFondaC(w))));
            addVertical(t, table,
                        barRow("Fond.", webCount(w, 0), w.Storeys[0].DiamB,
                               static_cast<float>(lFerriFondaSt(w))));
        }
        edgeBars(w, i, d, n);
        addVertical(t, table, barRow(storeyLabel(i), n, d, static_cast<float>(lFerriPianoC(w, i))));
        addVertical(t, table,
                    barRow(storeyLabel(i), webCount(w, i), w.Storeys[i].DiamB,
                           static_cast<float>(lFerriPianoSt(w, i))));
    }
    return table;
}

TakeoffTable horizontalBars(const Wall &w, WallTakeoff &t) {
    TakeoffTable table{TableKind::Horizontal, {}};
    for (int i = 0; i < w.storeyCount(); ++i) {
        const Storey &s = w.Storeys[i];
        if (w.NoEdgeZones == 0) {
            TakeoffRow st = barRow(storeyLabel(i), 2 * stirrupSets(w, i), s.HorizDiam,
                                   static_cast<float>(lStaffa(w, i)));
            st.stirrup = true;
            st.weightClass = 0;
            book(t, st);
            table.rows.push_back(std::move(st));
        }
        TakeoffRow bars = barRow(storeyLabel(i), horizontalBarCount(w, i), s.HorizDiam,
                                 static_cast<float>(lFerriOr(w, i)));
        book(t, bars);
        table.rows.push_back(std::move(bars));
    }
    return table;
}

TakeoffTable ties(const Wall &w, WallTakeoff &t) {
    TakeoffTable table{TableKind::Ties, {}};
    // Every tie links the two layers across the wall: one length for the whole wall.
    float length = lLegatura(w);
    for (int i = 0; i < w.storeyCount(); ++i) {
        TakeoffRow r = barRow(storeyLabel(i), tieCount(w, i), w.TieDiameter, length);
        r.weightClass = 0;
        book(t, r);
        table.rows.push_back(std::move(r));
    }
    return table;
}

std::optional<float> ratio(float steel, float concrete) {
    if (!(concrete > 0))
        return std::nullopt;
    return steel / concrete;
}

} // namespace

const char *tableTitle(TableKind kind) {
    switch (kind) {
    case TableKind::Vertical:
        return "Armature verticali";
    case TableKind::Horizontal:
        return "Armature orizzontali";
    case TableKind::Ties:
        return "Legature";
    }
    return "";
}

const TakeoffTable *WallTakeoff::table(TableKind kind) const {
    for (const TakeoffTable &t : tables)
        if (t.kind == kind)
            return &t;
    return nullptr;
}

std::optional<float> WallTakeoff::steelRatio() const {
    return ratio(WallSteel, WallConcrete);
}

std::optional<float> TakeoffRun::steelRatio() const {
    return ratio(TotalSteel, TotalConcrete);
}

WallTakeoff takeOffWall(const Wall &w) {
    WallTakeoff t;
    t.WallFile = w.WallFile;
    t.WallNumber = w.WallNumber;
    for (const Storey &s : w.Storeys)
        t.WallConcrete +=
            static_cast<float>((static_cast<double>(s.OffsetRight) + s.Length + s.OffsetLeft) *
                               s.Height * w.Thickness / 1000000.0);

    t.tables.push_back(verticalBars(w, t));
    t.tables.push_back(horizontalBars(w, t));
    if (w.NoEdgeZones == 0)
        t.tables.push_back(ties(w, t));

    if (w.DiagonalDiameter > 0) {
        // The same geometry the elevation draws, so drawn and counted bars agree.
        DiagonalBars bars = diagonalGeometry(w, 0, 0);
        if (bars.valid) {
            DiagonalRow d;
            d.diameter = w.DiagonalDiameter;
            d.length = std::max(bars.length, 0);
            d.weight = rowWeight(d.diameter, d.count, static_cast<float>(d.length));
            int k = diameterClass(d.diameter);
            if (k >= static_cast<int>(t.WallByDiameter.size()))
                t.WallByDiameter.resize(k + 1, 0.0f);
            t.WallSteel += d.weight;
            t.WallByDiameter[k] += d.weight;
            t.diagonal = d;
        }
    }
    return t;
}

void addToRun(TakeoffRun &run, WallTakeoff wall) {
    run.TotalSteel += wall.WallSteel;
    run.TotalConcrete += wall.WallConcrete;
    run.WallsComputed += 1;
    if (wall.WallByDiameter.size() > run.TotalByDiameter.size())
        run.TotalByDiameter.resize(wall.WallByDiameter.size(), 0.0f);
    for (std::size_t k = 0; k < wall.WallByDiameter.size(); ++k)
        run.TotalByDiameter[k] += wall.WallByDiameter[k];
    run.walls.push_back(std::move(wall));
}

} // namespace murcad
