// JSON text of the bill of materials.
#include "takeoff/report_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace murcad {

namespace {

std::string str(const std::string &s) {
    std::string q = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"':
            q += "\\\"";
            break;
        case '\\':
            q += "\\\\";
            break;
        case '\n':
            q += "\\n";
            break;
        case '\r':
            q += "\\r";
            break;
        case '\t':
            q += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                q += buf;
            } else {
                q += static_cast<char>(c);
            }
        }
    }
    return q + "\"";
}

std::string num(float v) {
    if (!std::isfinite(v))
        return "null";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

std::string num(std::optional<float> v) {
    return v ? num(*v) : "null";
}

std::string byDiameter(const DiameterWeights &weights) {
    std::string s = "[";
    bool first = true;
    for (std::size_t k = 0; k < weights.size(); ++k) {
        if (!(weights[k] > 0))
            continue;
        if (!first)
            s += ", ";
        first = false;
        s += "{\"Class\": " + std::to_string(k) + ", \"Diameter\": " + std::to_string(2 * k) +
             ", \"Weight\": " + num(weights[k]) + "}";
    }
    return s + "]";
}

const char *kindKey(TableKind k) {
    switch (k) {
    case TableKind::Vertical:
        return "Vertical";
    case TableKind::Horizontal:
        return "Horizontal";
    case TableKind::Ties:
        return "Ties";
    }
    return "";
}

std::string wallJson(const WallTakeoff &w, const std::string &indent) {
    const std::string in1 = indent + "  ", in2 = in1 + "  ", in3 = in2 + "  ";
    std::string s = indent + "{\n";
    s += in1 + "\"WallFile\": " + str(w.WallFile) + ",\n";
    s += in1 + "\"WallNumber\": " + std::to_string(w.WallNumber) + ",\n";
    s += in1 + "\"Tables\": [\n";
    for (std::size_t t = 0; t < w.tables.size(); ++t) {
        const TakeoffTable &table = w.tables[t];
        s += in2 + "{\"Kind\": " + str(kindKey(table.kind)) +
             ", \"Title\": " + str(tableTitle(table.kind)) + ", \"Rows\": [\n";
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            const TakeoffRow &r = table.rows[i];
            s += in3 + "{\"Label\": " + str(r.label) + ", \"Count\": " + std::to_string(r.count) +
                 ", \"Diameter\": " + std::to_string(r.diameter) +
                 ", \"Length\": " + num(r.length) + ", \"Weight\": " + num(r.weight) +
                 ", \"Stirrup\": " + (r.stirrup ? "true" : "false") + "}" +
                 (i + 1 < table.rows.size() ? ",\n" : "\n");
        }
        s += in2 + "]}" + (t + 1 < w.tables.size() ? ",\n" : "\n");
    }
    s += in1 + "],\n";
    s += in1 + "\"Diagonal\": ";
    if (w.diagonal) {
        const DiagonalRow &d = *w.diagonal;
        s += "{\"Count\": " + std::to_string(d.count) +
             ", \"Diameter\": " + std::to_string(d.diameter) +
             ", \"Length\": " + std::to_string(d.length) + ", \"Weight\": " + num(d.weight) +
             "},\n";
    } else {
        s += "null,\n";
    }
    s += in1 + "\"WallSteel\": " + num(w.WallSteel) + ",\n";
    s += in1 + "\"WallConcrete\": " + num(w.WallConcrete) + ",\n";
    s += in1 + "\"SteelRatio\": " + num(w.steelRatio()) + ",\n";
    s += in1 + "\"WallByDiameter\": " + byDiameter(w.WallByDiameter) + "\n";
    s += indent + "}";
    return s;
}

} // namespace

std::string takeoffJson(const TakeoffRun &run) {
    std::string s = "{\n  \"Walls\": [\n";
    for (std::size_t i = 0; i < run.walls.size(); ++i)
        s += wallJson(run.walls[i], "    ") + (i + 1 < run.walls.size() ? ",\n" : "\n");
    s += "  ],\n";
    s += "  \"WallsComputed\": " + std::to_string(run.WallsComputed) + ",\n";
    s += "  \"TotalSteel\": " + num(run.TotalSteel) + ",\n";
    s += "  \"TotalConcrete\": " + num(run.TotalConcrete) + ",\n";
    s += "  \"SteelRatio\": " + num(run.steelRatio()) + ",\n";
    s += "  \"TotalByDiameter\": " + byDiameter(run.TotalByDiameter) + ",\n";
    s += "  \"Skipped\": [";
    for (std::size_t i = 0; i < run.skipped.size(); ++i)
        s += std::string(i ? ", " : "") + "{\"File\": " + str(run.skipped[i].file) +
             ", \"Reason\": " + str(run.skipped[i].reason) + "}";
    s += "]\n}\n";
    return s;
}

} // namespace murcad
