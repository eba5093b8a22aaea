// HTML rendering of the bill of materials for the on-screen viewer.
#include "takeoff/report_html.h"
#include "takeoff/report_lines.h"

#include "geometry/numbers.h"
#include "takeoff/report_numbers.h"

namespace murcad {

namespace {

std::string esc(const std::string &s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

/// Keeps the blanks of labels such as "Piano  1".
std::string keepBlanks(const std::string &s) {
    std::string out;
    for (char c : s)
        out += c == ' ' ? std::string("&nbsp;") : std::string(1, c);
    return out;
}

std::string cell(const std::string &text, const char *align) {
    return std::string("<td align=\"") + align + "\">" + text + "</td>";
}

std::string table(const TakeoffTable &t, const ReportOptions &o) {
    std::string s = "<p>" + esc(tableTitle(t.kind)) + ":</p>\n";
    s += "<table cellspacing=\"0\" cellpadding=\"2\">\n<tr>" + cell("Piano", "left") +
         cell("Numero", "center") + cell("Diam.(mm)", "center") + cell("Lungh.(cm)", "right") +
         cell("Peso (kg)", "right") + "</tr>\n";
    for (const TakeoffRow &r : t.rows) {
        s += "<tr>" + cell(keepBlanks(esc(r.label)), "left") +
             cell(std::to_string(r.count) + (r.stirrup ? " st." : ""), "center") +
             cell(std::to_string(r.diameter), "center") +
             cell(formatReportNumber(r.length, 1, o.decimalSeparator), "right") +
             cell(formatReportNumber(r.weight, 2, o.decimalSeparator), "right") + "</tr>\n";
    }
    return s + "</table>\n";
}

// The name of a wall file without its folder (either separator).
std::string fileNameOf(const std::string &path) {
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Lines as HTML, each ended by a line break.
std::string htmlLines(const std::vector<std::string> &lines) {
    std::string s;
    for (const std::string &line : lines)
        s += line + "<br>\n";
    return s;
}

} // namespace

std::string computoHtml(const TakeoffRun &run, const ReportOptions &o) {
    std::string s = "<html><head><meta charset=\"utf-8\"></head>"
                    "<body style=\"font-family: Arial, sans-serif; font-size: 10pt\">\n";
    for (const WallTakeoff &w : run.walls) {
        s += "<p style=\"font-size: 12pt\"><b><u>Parete n." + signedText(w.WallNumber) +
             "</u></b>";
        // In a batch the walls are told apart by their files.
        if (run.batch && !w.WallFile.empty())
            s += " &nbsp; <span style=\"font-size: 10pt\">" + esc(fileNameOf(w.WallFile)) +
                 "</span>";
        s += "</p>\n";
        for (const TakeoffTable &t : w.tables)
            s += table(t, o);
        if (w.diagonal)
            s += "<p>Armatura diagonale: 4+4 Ø" + std::to_string(w.diagonal->diameter) +
                 " mm, &nbsp; L = " + std::to_string(w.diagonal->length) +
                 " cm, &nbsp; Peso = " + formatNumber(w.diagonal->weight, 2) + " kg</p>\n";
        s += "<p>Riepilogo:<br>\n";
        if (o.perDiameter)
            s += htmlLines(diameterLines(w.WallByDiameter, o));
        s += htmlLines(summaryLines(w.WallSteel, w.WallConcrete, w.steelRatio(), o)) + "</p>\n";
    }
    if (run.batch) {
        s += "<p><b><u>Quantità totali:</u><br>\nVavire computate = " +
             std::to_string(run.WallsComputed) + "<br>\n";
        if (o.perDiameter)
            s += htmlLines(diameterLines(run.TotalByDiameter, o));
        s += htmlLines(summaryLines(run.TotalSteel, run.TotalConcrete, run.steelRatio(), o)) +
             "</b></p>\n";
    }
    return s + "</body></html>\n";
}

} // namespace murcad
