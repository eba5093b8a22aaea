// Reading, querying and writing the user's preferences file.
#include "model/user_profile.h"

#include "geometry/numbers.h"
#include "model/atomic_file.h"
#include "model/value_reader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace murcad {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string unescape(std::string_view v) {
    std::string out;
    out.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] == '\\' && i + 1 < v.size()) {
            char c = v[i + 1];
            if (c == 'n' || c == 'r' || c == '\\') {
                out += c == 'n' ? '\n' : c == 'r' ? '\r' : '\\';
                ++i;
                continue;
            }
        }
        out += v[i];
    }
    return out;
}

std::string escape(std::string_view v) {
    std::string out;
    out.reserve(v.size());
    for (char c : v) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return std::string(trim(out));
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char &c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

UserProfile UserProfile::parse(std::string_view text, const std::string &fileName,
                               std::vector<LoadError> *messages) {
    UserProfile p;
    p.fileName_ = fileName;
    std::vector<Entry> *current = &p.head_;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        std::string_view line = trim(raw);
        if (line.empty() || line.front() == '#' || line.front() == ';') {
            current->push_back({{}, std::string(line), lineNo});
            continue;
        }
        if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
            std::string name(trim(line.substr(1, line.size() - 2)));
            auto it = std::find_if(p.sections_.begin(), p.sections_.end(),
                                   [&](const Section &s) { return sameName(s.name, name); });
            if (it == p.sections_.end()) {
                p.sections_.push_back({name, {}});
                current = &p.sections_.back().entries;
            } else {
                current = &it->entries;
            }
            continue;
        }
        std::size_t eq = line.find('=');
        std::string_view key =
            eq == std::string_view::npos ? std::string_view{} : trim(line.substr(0, eq));
        if (key.empty() || current == &p.head_) {
            if (messages) {
                LoadError e;
                e.file = fileName;
                e.line = lineNo;
                e.found = std::string(line);
                e.expected = current == &p.head_ ? "una sezione [nome]" : "chiave = valore";
                e.message = fileName + ", riga " + std::to_string(lineNo) + ": riga \"" + e.found +
                            "\" ignorata (atteso " + e.expected + ").";
                messages->push_back(std::move(e));
            }
            continue;
        }
        std::string value = unescape(trim(line.substr(eq + 1)));
        auto same = std::find_if(current->begin(), current->end(),
                                 [&](const Entry &e) { return sameName(e.key, key); });
        if (same != current->end()) {
            same->value = std::move(value);
            same->line = lineNo;
        } else {
            current->push_back({std::string(key), std::move(value), lineNo});
        }
    }
    return p;
}

std::string UserProfile::serialise() const {
    std::string out;
    auto put = [&](const Entry &e) {
        out += e.key.empty() ? e.value : e.key + " = " + escape(e.value);
        out += '\n';
    };
    for (const Entry &e : head_)
        put(e);
    for (const Section &s : sections_) {
        if (!out.empty() && out != "\n" && out.substr(out.size() - 2) != "\n\n")
            out += '\n';
        out += "[" + s.name + "]\n";
        // Trailing blank lines of a section are written once, as the separator above.
        std::size_t n = s.entries.size();
        while (n > 0 && s.entries[n - 1].key.empty() && s.entries[n - 1].value.empty())
            --n;
        for (std::size_t i = 0; i < n; ++i)
            put(s.entries[i]);
    }
    return out;
}

const UserProfile::Entry *UserProfile::find(std::string_view section, std::string_view key) const {
    for (const Section &s : sections_) {
        if (!sameName(s.name, section))
            continue;
        for (const Entry &e : s.entries)
            if (!e.key.empty() && sameName(e.key, key))
                return &e;
    }
    return nullptr;
}

bool UserProfile::has(std::string_view section, std::string_view key) const {
    return find(section, key) != nullptr;
}

std::string UserProfile::text(std::string_view section, std::string_view key,
                              const std::string &fallback) const {
    const Entry *e = find(section, key);
    return e ? e->value : fallback;
}

void UserProfile::complain(std::vector<LoadError> *messages, const Entry &e,
                           std::string_view section, const std::string &expected) const {
    if (!messages)
        return;
    LoadError err;
    err.file = fileName_;
    err.line = e.line;
    err.found = e.value;
    err.expected = expected;
    err.message = fileName_ + ", riga " + std::to_string(e.line) + ": il valore \"" + e.value +
                  "\" di " + std::string(section) + "." + e.key + " non è valido (atteso " +
                  expected + "); si usa il valore predefinito.";
    messages->push_back(std::move(err));
}

double UserProfile::number(std::string_view section, std::string_view key, double fallback,
                           double lo, double hi, std::vector<LoadError> *messages) const {
    const Entry *e = find(section, key);
    if (!e)
        return fallback;
    std::string v = dotDecimal(trim(e->value));
    double d = 0;
    auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
    if (v.empty() || ec != std::errc{} || ptr != v.data() + v.size() || !std::isfinite(d) ||
        d < lo || d > hi) {
        complain(messages, *e, section,
                 "un numero da " + formatNumber(lo, lo == std::floor(lo) ? 0 : 3) + " a " +
                     formatNumber(hi, hi == std::floor(hi) ? 0 : 3));
        return fallback;
    }
    return d;
}

long long UserProfile::integer(std::string_view section, std::string_view key, long long fallback,
                               long long lo, long long hi, std::vector<LoadError> *messages) const {
    const Entry *e = find(section, key);
    if (!e)
        return fallback;
    std::string_view v = trim(e->value);
    long long n = 0;
    auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (v.empty() || ec != std::errc{} || ptr != v.data() + v.size() || n < lo || n > hi) {
        complain(messages, *e, section,
                 "un numero intero da " + std::to_string(lo) + " a " + std::to_string(hi));
        return fallback;
    }
    return n;
}

bool UserProfile::flag(std::string_view section, std::string_view key, bool fallback,
                       std::vector<LoadError> *messages) const {
    const Entry *e = find(section, key);
    if (!e)
        return fallback;
    std::string v = lower(trim(e->value));
    if (v == "1" || v == "sì" || v == "si" || v == "yes" || v == "true")
        return true;
    if (v == "0" || v == "no" || v == "false")
        return false;
    complain(messages, *e, section, "sì o no");
    return fallback;
}

void UserProfile::setText(std::string_view section, std::string_view key, std::string_view value) {
    auto it = std::find_if(sections_.begin(), sections_.end(),
                           [&](const Section &s) { return sameName(s.name, section); });
    if (it == sections_.end()) {
        sections_.push_back({std::string(section), {}});
        it = sections_.end() - 1;
    }
    for (Entry &e : it->entries)
        if (!e.key.empty() && sameName(e.key, key)) {
            e.value = std::string(value);
            return;
        }
    // A new key goes after the last key of the section, before trailing comments and blanks.
    auto at = it->entries.end();
    while (at != it->entries.begin() && (at - 1)->key.empty())
        --at;
    it->entries.insert(at, Entry{std::string(key), std::string(value), 0});
}

void UserProfile::setNumber(std::string_view section, std::string_view key, double value,
                            int decimals) {
    std::string s = formatNumber(value, decimals);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    if (s == "-0")
        s = "0";
    setText(section, key, s);
}

void UserProfile::setFlag(std::string_view section, std::string_view key, bool value) {
    setText(section, key, value ? "sì" : "no");
}

bool UserProfile::remove(std::string_view section, std::string_view key) {
    for (Section &s : sections_) {
        if (!sameName(s.name, section))
            continue;
        auto it = std::find_if(s.entries.begin(), s.entries.end(), [&](const Entry &e) {
            return !e.key.empty() && sameName(e.key, key);
        });
        if (it != s.entries.end()) {
            s.entries.erase(it);
            return true;
        }
    }
    return false;
}

std::string userProfilePath() {
    const char *xdg = std::getenv("XDG_CONFIG_HOME");
    std::string root;
    if (xdg && *xdg) {
        root = xdg;
    } else {
        const char *home = std::getenv("HOME");
        root = std::string(home && *home ? home : ".") + "/.config";
    }
    return root + "/murcad/preferenze.ini";
}

bool loadUserProfile(const std::string &path, UserProfile &profile,
                     std::vector<LoadError> *messages) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 && errno == ENOENT) {
        profile = UserProfile::parse({}, path);
        return false;
    }
    std::string text, why;
    if (!S_ISREG(st.st_mode) || !readWholeFile(path, text, &why)) {
        profile = UserProfile::parse({}, path);
        if (messages) {
            LoadError e;
            e.file = path;
            e.message = path + ": " + (why.empty() ? std::string("non è un file regolare") : why) +
                        "; si usano i valori predefiniti.";
            messages->push_back(std::move(e));
        }
        return false;
    }
    profile = UserProfile::parse(text, path, messages);
    return true;
}

bool saveUserProfile(const std::string &path, const UserProfile &profile, std::string *why) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            if (why)
                *why =
                    "Impossibile creare la cartella " + folder.string() + " (" + ec.message() + ")";
            return false;
        }
    }
    return writeFileAtomically(path, profile.serialise(), why);
}

TitleBlockTexts titleBlockTexts(const UserProfile &profile) {
    TitleBlockTexts t;
    t.Project = profile.text(kTitleBlockSection, "progetto");
    t.DrawnBy = profile.text(kTitleBlockSection, "disegnatore");
    t.CheckedBy = profile.text(kTitleBlockSection, "verificatore");
    t.Revision = profile.text(kTitleBlockSection, "revisione");
    return t;
}

void setTitleBlockTexts(UserProfile &profile, const TitleBlockTexts &t) {
    profile.setText(kTitleBlockSection, "progetto", t.Project);
    profile.setText(kTitleBlockSection, "disegnatore", t.DrawnBy);
    profile.setText(kTitleBlockSection, "verificatore", t.CheckedBy);
    profile.setText(kTitleBlockSection, "revisione", t.Revision);
}

} // namespace murcad
