// CSV rows of the bill of materials.
#include "takeoff/report_csv.h"

#include "takeoff/report_numbers.h"

namespace murcad {

namespace {

/// A text field, quoted when it holds a separator, a quote, a line break or edge blanks.
std::string field(const std::string &s) {
    bool quote = s.find_first_of(",\"\r\n") != std::string::npos ||
                 (!s.empty() && (s.front() == ' ' || s.back() == ' '));
    if (!quote)
        return s;
    std::string q = "\"";
    for (char c : s) {
        if (c == '"')
            q += '"';
        q += c;
    }
    return q + "\"";
}

void line(std::string &out, int wall, const char *table, const std::string &label, int count,
          int diameter, float length, float weight, bool stirrup) {
    out += std::to_string(wall) + ',' + field(table) + ',' + field(label) + ',' +
           std::to_string(count) + ',' + std::to_string(diameter) + ',' +
           formatReportNumber(length, 1, '.') + ',' + formatReportNumber(weight, 2, '.') + ',' +
           (stirrup ? '1' : '0') + '\n';
}

} // namespace

std::string takeoffCsv(const TakeoffRun &run) {
    std::string out = "wall,table,label,count,diameter,length,weight,stirrup\n";
    for (const WallTakeoff &w : run.walls) {
        for (const TakeoffTable &t : w.tables)
            for (const TakeoffRow &r : t.rows)
                line(out, w.WallNumber, tableTitle(t.kind), r.label, r.count, r.diameter, r.length,
                     r.weight, r.stirrup);
        if (w.diagonal)
            line(out, w.WallNumber, "Armatura diagonale", "4+4", w.diagonal->count,
                 w.diagonal->diameter, static_cast<float>(w.diagonal->length), w.diagonal->weight,
                 false);
    }
    return out;
}

} // namespace murcad
