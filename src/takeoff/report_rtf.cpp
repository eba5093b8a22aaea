// The RTF bill of materials: wall sections, tables, diagonal line, summaries and totals.
#include "takeoff/report_rtf.h"

#include "geometry/numbers.h"
#include "model/atomic_file.h"
#include "takeoff/report_numbers.h"
#include "takeoff/rtf_builders.h"
#include "geometry/cp1252.h"

namespace murcad {

namespace {

std::string whole(long long v) {
    return std::to_string(v);
}

std::string table(const TakeoffTable &t, const ReportOptions &o) {
    std::string s = std::string(tableTitle(t.kind)) + ":\\par ";
    s += "Piano\\tab Numero\\tab Diam.(mm)\\tab Lungh.(cm)\\tab Peso (kg)\\par ";
    for (const TakeoffRow &r : t.rows) {
        s += r.label + "\\tab " + whole(r.count) + (r.stirrup ? " st.\\tab " : "\\tab ") +
             whole(r.diameter) + "\\tab " + formatReportNumber(r.length, 1, o.decimalSeparator) +
             "\\tab " + formatReportNumber(r.weight, 2, o.decimalSeparator) + " \\par ";
    }
    return s;
}

std::string diagonalLine(const DiagonalRow &d) {
    return "Armatura diagonale: 4+4 " + rtfSymbol("f") + signedText(d.diameter) +
           " mm,   L =" + signedText(d.length) + " cm,   Peso = " + formatNumber(d.weight, 2) +
           " kg\\par\\par ";
}

/// One line per diameter class that carries steel: stirrups and ties, then bars by diameter.
std::string byDiameter(const DiameterWeights &weights, const ReportOptions &o) {
    std::string s;
    for (std::size_t k = 0; k < weights.size(); ++k) {
        if (!(weights[k] > 0))
            continue;
        std::string w = formatReportNumber(weights[k], 2, o.decimalSeparator);
        if (k == 0)
            s += "Staffe e legature = " + w + " kg\\par ";
        else
            s += "Barre Ø" + whole(2 * static_cast<long long>(k)) + " = " + w + " kg\\par ";
    }
    return s;
}

/// "Incidenza acciaio" line; a wall without concrete has no ratio.
std::string ratioLine(std::optional<float> ratio, const ReportOptions &o) {
    if (!ratio)
        return "Incidenza acciaio = n.d.";
    return "Incidenza acciaio = " + formatReportNumber(*ratio, 2, o.decimalSeparator) + " kg/mc";
}

} // namespace

std::string compuRtf(const WallTakeoff &w, const ReportOptions &o) {
    std::string s = rtfStyled(" \\par ", 20, false, false);
    s += rtfStyled("Parete n." + signedText(w.WallNumber), 24, true, true);
    s += rtfStyled("\\par \\par ", 20, false, false);
    for (const TakeoffTable &t : w.tables)
        s += table(t, o) + "\\par ";
    if (w.diagonal)
        s += diagonalLine(*w.diagonal);
    s += "Riepilogo:\\par ";
    if (o.perDiameter)
        s += byDiameter(w.WallByDiameter, o);
    s += "Peso totale dell'acciaio = " + formatReportNumber(w.WallSteel, 2, o.decimalSeparator) +
         " kg\\par ";
    s += "Volume calcestruzzo = " + formatReportNumber(w.WallConcrete, 2, o.decimalSeparator) +
         " mc\\par ";
    s += ratioLine(w.steelRatio(), o) + "\\par \\par ";
    return s;
}

std::string totalsRtf(const TakeoffRun &run, const ReportOptions &o) {
    std::string s = rtfStyled("\\par Quantità totali:", 20, true, true);
    s += rtfStyled("\\par ", 20, false, true);
    s += "Vavire computate = " + whole(run.WallsComputed) + "\\par ";
    if (o.perDiameter)
        s += byDiameter(run.TotalByDiameter, o);
    s += "Peso totale dell'acciaio = " + formatReportNumber(run.TotalSteel, 2, o.decimalSeparator) +
         " kg\\par ";
    s += "Volume calcestruzzo = " + formatReportNumber(run.TotalConcrete, 2, o.decimalSeparator) +
         " mc\\par ";
    s += ratioLine(run.steelRatio(), o) + "\\par ";
    return s;
}

std::string computoRtf(const TakeoffRun &run, const ReportOptions &o) {
    std::string s =
        rtfHeader() + rtfTabCenter(2) + rtfTabCenter(4) + rtfTabRight(7.5f) + rtfTabRight(10);
    for (const WallTakeoff &w : run.walls)
        s += compuRtf(w, o);
    if (run.batch)
        s += totalsRtf(run, o);
    s += rtfEnd();
    return s;
}

bool writeReportRtf(const std::string &path, const std::string &rtf, std::string *error) {
    return writeFileAtomically(path, utf8ToCp1252(rtf, ControlChars::Keep), error);
}

} // namespace murcad
