// Reading and writing the building's project data, "progetto.ini", one "key=value" per line.
#include "model/project_data.h"

#include "model/atomic_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace murcad {

namespace {

std::string trim(const std::string &s) {
    std::size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

std::string upper(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// A number with a point or a comma, nothing else on the value.
bool readNumber(const std::string &text, float &out) {
    std::string t = trim(text);
    std::replace(t.begin(), t.end(), ',', '.');
    if (t.empty())
        return false;
    float v = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

std::string listText(const std::vector<std::string> &names) {
    return names.front() + " … " + names.back();
}

// Finds text among names, ignoring case; gives the name as the list spells it.
bool pickName(const std::vector<std::string> &names, const std::string &text, std::string &out) {
    std::string u = upper(trim(text));
    for (const std::string &n : names)
        if (upper(n) == u) {
            out = n;
            return true;
        }
    return false;
}

bool setNumber(float &field, const std::string &key, const std::string &value, float lo, float hi,
               const char *unit, std::string *why) {
    float v = 0;
    if (!readNumber(value, v) || v < lo || v > hi) {
        if (why) {
            std::ostringstream m;
            m.imbue(std::locale::classic());
            m << key << " \"" << trim(value) << "\" non ammesso: atteso un numero da " << lo
              << " a " << hi << unit;
            *why = m.str();
        }
        return false;
    }
    field = v;
    return true;
}

bool setName(std::string &field, const std::vector<std::string> &names, const std::string &key,
             const std::string &value, std::string *why) {
    std::string picked;
    if (!pickName(names, value, picked)) {
        if (why)
            *why = key + " \"" + trim(value) + "\" non ammesso: atteso " + listText(names);
        return false;
    }
    field = picked;
    return true;
}

bool validIsoDate(const std::string &d) {
    if (d.size() != 10 || d[4] != '-' || d[7] != '-')
        return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!std::isdigit(static_cast<unsigned char>(d[i])))
            return false;
    int month = std::stoi(d.substr(5, 2)), day = std::stoi(d.substr(8, 2));
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// "A;2026-12-09;Prima emissione": number, ISO date, description (which may hold ';').
bool readRevision(const std::string &value, ProjectRevision &rev, std::string *why) {
    std::size_t a = value.find(';');
    std::size_t b = a == std::string::npos ? a : value.find(';', a + 1);
    if (b == std::string::npos) {
        if (why)
            *why = "revisione \"" + trim(value) + "\" non ammessa: attesa numero;data;descrizione";
        return false;
    }
    ProjectRevision r{trim(value.substr(0, a)), trim(value.substr(a + 1, b - a - 1)),
                      trim(value.substr(b + 1))};
    if (r.number.empty() || !validIsoDate(r.date)) {
        if (why)
            *why = "revisione \"" + trim(value) +
                   "\" non ammessa: numero non vuoto e data come 2026-12-09";
        return false;
    }
    rev = std::move(r);
    return true;
}

// A text as one line of the file: line breaks become blanks.
std::string oneLine(std::string s) {
    for (char &c : s)
        if (c == '\n' || c == '\r')
            c = ' ';
    return trim(s);
}

std::string numberText(float v) {
    std::ostringstream o;
    o.imbue(std::locale::classic());
    o << v;
    return o.str();
}

void markGiven(ProjectData &data, const std::string &key) {
    if (std::find(data.fromFile.begin(), data.fromFile.end(), key) == data.fromFile.end())
        data.fromFile.push_back(key);
}

} // namespace

const std::vector<std::string> &concreteClassNames() {
    static const std::vector<std::string> names{"C20/25", "C25/30", "C28/35", "C30/37", "C32/40",
                                                "C35/45", "C40/50", "C45/55", "C50/60"};
    return names;
}

const std::vector<std::string> &steelGradeNames() {
    static const std::vector<std::string> names{"B450C", "B450A", "B500B", "B500C"};
    return names;
}

const std::vector<std::string> &exposureClassNames() {
    static const std::vector<std::string> names{"X0",  "XC1", "XC2", "XC3", "XC4", "XD1",
                                                "XD2", "XD3", "XS1", "XS2", "XS3"};
    return names;
}

const std::vector<std::string> &structuralClassNames() {
    static const std::vector<std::string> names{"S1", "S2", "S3", "S4", "S5", "S6"};
    return names;
}

const char *ductilityName(DuctilityClass c) {
    switch (c) {
    case DuctilityClass::DCM:
        return "DCM";
    case DuctilityClass::DCH:
        return "DCH";
    case DuctilityClass::None:
        break;
    }
    return "nessuna";
}

bool parseDuctility(const std::string &text, DuctilityClass &c) {
    std::string u = upper(trim(text));
    if (u == "NESSUNA" || u == "NO" || u == "NONE") {
        c = DuctilityClass::None;
        return true;
    }
    if (u == "DCM" || u == "DCH") {
        c = u == "DCM" ? DuctilityClass::DCM : DuctilityClass::DCH;
        return true;
    }
    return false;
}

bool setProjectValue(ProjectData &data, const std::string &keyIn, const std::string &value,
                     std::string *why) {
    const std::string key = trim(keyIn);
    const std::string v = trim(value);
    bool ok = true;
    if (key == "progetto")
        data.projectName = v;
    else if (key == "committente")
        data.owner = v;
    else if (key == "numerazione")
        data.drawingNumbering = v;
    else if (key == "redatto")
        data.creator = v;
    else if (key == "approvato")
        data.approver = v;
    else if (key == "revisione") {
        ProjectRevision rev;
        ok = readRevision(value, rev, why);
        if (ok)
            data.revisions.push_back(std::move(rev));
    } else if (key == "calcestruzzo")
        ok = setName(data.concreteClass, concreteClassNames(), key, v, why);
    else if (key == "acciaio")
        ok = setName(data.steelGrade, steelGradeNames(), key, v, why);
    else if (key == "esposizione")
        ok = setName(data.exposureClass, exposureClassNames(), key, v, why);
    else if (key == "classe_strutturale")
        ok = setName(data.structuralClass, structuralClassNames(), key, v, why);
    else if (key == "delta_cdev")
        ok = setNumber(data.deltaCdevMm, key, v, 0, 30, " mm", why);
    else if (key == "inerte")
        ok = setNumber(data.aggregateMm, key, v, 4, 63, " mm", why);
    else if (key == "mandrino_piccoli" || key == "mandrino_grandi") {
        float f = 0;
        ok = setNumber(f, key, v, 2, 20, " diametri", why);
        if (ok)
            (key == "mandrino_piccoli" ? data.mandrelSmall : data.mandrelLarge) = f;
    } else if (key == "duttilita") {
        ok = parseDuctility(v, data.ductility);
        if (!ok && why)
            *why = "duttilita \"" + v + "\" non ammessa: attesa nessuna, DCM o DCH";
    } else {
        if (why)
            *why = "chiave \"" + key + "\" sconosciuta";
        return false;
    }
    if (ok)
        markGiven(data, key);
    return ok;
}

bool projectValueGiven(const ProjectData &data, const std::string &key) {
    return std::find(data.fromFile.begin(), data.fromFile.end(), key) != data.fromFile.end();
}

std::string projectFilePath(const std::string &wallFile) {
    std::filesystem::path folder = std::filesystem::path(wallFile).parent_path();
    return (folder / kProjectFileName).string();
}

bool loadProjectData(const std::string &path, ProjectData &data,
                     std::vector<ProjectDataMessage> *messages, std::string *why) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        data = ProjectData{};
        return true;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path, ec)) {
        if (why)
            *why = path + ": impossibile leggere il file dei dati di progetto";
        return false;
    }
    ProjectData staged; // the caller's data changes only when the file was read
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        std::string t = trim(line);
        if (t.empty())
            continue;
        std::size_t eq = t.find('=');
        if (t[0] == '#' || t[0] == ';' || eq == std::string::npos) {
            if (t[0] != '#' && t[0] != ';' && messages)
                messages->push_back({path, number, "riga \"" + t + "\" senza \"=\", conservata"});
            staged.unknownLines.push_back(line);
            continue;
        }
        std::string problem;
        if (!setProjectValue(staged, t.substr(0, eq), t.substr(eq + 1), &problem)) {
            staged.unknownLines.push_back(line);
            if (messages)
                messages->push_back({path, number, problem + "; riga conservata"});
        }
    }
    if (in.bad()) {
        if (why)
            *why = path + ": errore di lettura";
        return false;
    }
    data = std::move(staged);
    return true;
}

ProjectData projectDataForWall(const std::string &wallFile,
                               std::vector<ProjectDataMessage> *messages) {
    ProjectData data;
    std::string path = projectFilePath(wallFile);
    std::string why;
    if (!loadProjectData(path, data, messages, &why)) {
        if (messages)
            messages->push_back({path, 0, why + "; si usano i valori predefiniti"});
        data = ProjectData{};
    }
    return data;
}

std::string projectDataText(const ProjectData &data) {
    std::string out;
    for (const std::string &l : data.unknownLines)
        out += l + "\n";
    const ProjectData defaults;
    auto text = [&](const char *key, const std::string &value) {
        if (!oneLine(value).empty())
            out += std::string(key) + "=" + oneLine(value) + "\n";
    };
    // Materials and classes are written when the file gave them or they differ from the default,
    // so a file that never named them keeps saying "default" in the outputs.
    auto given = [&](const char *key, bool differs) {
        return differs || projectValueGiven(data, key);
    };
    text("progetto", data.projectName);
    text("committente", data.owner);
    text("numerazione", data.drawingNumbering);
    text("redatto", data.creator);
    text("approvato", data.approver);
    for (const ProjectRevision &r : data.revisions)
        out += "revisione=" + oneLine(r.number) + ";" + oneLine(r.date) + ";" +
               oneLine(r.description) + "\n";
    if (given("calcestruzzo", data.concreteClass != defaults.concreteClass))
        text("calcestruzzo", data.concreteClass);
    if (given("acciaio", data.steelGrade != defaults.steelGrade))
        text("acciaio", data.steelGrade);
    if (given("esposizione", data.exposureClass != defaults.exposureClass))
        text("esposizione", data.exposureClass);
    if (given("classe_strutturale", data.structuralClass != defaults.structuralClass))
        text("classe_strutturale", data.structuralClass);
    if (given("delta_cdev", data.deltaCdevMm != defaults.deltaCdevMm))
        text("delta_cdev", numberText(data.deltaCdevMm));
    if (given("inerte", data.aggregateMm != defaults.aggregateMm))
        text("inerte", numberText(data.aggregateMm));
    if (data.mandrelSmall)
        text("mandrino_piccoli", numberText(*data.mandrelSmall));
    if (data.mandrelLarge)
        text("mandrino_grandi", numberText(*data.mandrelLarge));
    if (given("duttilita", data.ductility != defaults.ductility))
        text("duttilita", ductilityName(data.ductility));
    return out;
}

bool saveProjectData(const std::string &path, const ProjectData &data, std::string *why) {
    return writeFileAtomically(path, projectDataText(data), why);
}

float mandrelDiameterMm(const ProjectData &data, int barDiameterMm) {
    float factor = barDiameterMm <= 16 ? data.mandrelSmall.value_or(4.0f)
                                       : data.mandrelLarge.value_or(7.0f);
    return factor * static_cast<float>(barDiameterMm);
}

} // namespace murcad
