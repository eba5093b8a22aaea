// The RTF bill of materials: wall sections, tables, diagonal line, summaries and totals.
#include "takeoff/report_rtf.h"
#include "takeoff/report_lines.h"

#include "geometry/cp1252.h"
#include "geometry/numbers.h"
#include "model/atomic_file.h"
#include "takeoff/report_numbers.h"
#include "takeoff/rtf_builders.h"

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

// Lines as RTF paragraphs.
std::string rtfLines(const std::vector<std::string> &lines) {
    std::string s;
    for (const std::string &line : lines)
        s += line + "\\par ";
    return s;
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
        s += rtfLines(diameterLines(w.WallByDiameter, o));
    s += rtfLines(summaryLines(w.WallSteel, w.WallConcrete, w.steelRatio(), o)) + "\\par ";
    return s;
}

std::string totalsRtf(const TakeoffRun &run, const ReportOptions &o) {
    std::string s = rtfStyled("\\par Quantità totali:", 20, true, true);
    s += rtfStyled("\\par ", 20, false, true);
    s += "Vavire computate = " + whole(run.WallsComputed) + "\\par ";
    if (o.perDiameter)
        s += rtfLines(diameterLines(run.TotalByDiameter, o));
    s += rtfLines(summaryLines(run.TotalSteel, run.TotalConcrete, run.steelRatio(), o));
    return s;
}

std::string computoRtf(const TakeoffRun &run, const ReportOptions &o) {
    // The count column is centred 3 cm in, clear of the longest storey label ("Piano  10"
    // and beyond), and the other columns keep their widths to the right of it.
    std::string s =
        rtfHeader() + rtfTabCenter(3) + rtfTabCenter(5) + rtfTabRight(8.5f) + rtfTabRight(11);
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
