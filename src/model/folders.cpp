// Folder discovery and the host product's recent-project folder.
#include "model/folders.h"

#include "model/value_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace murcad {

namespace fs = std::filesystem;

static std::string stripTrailingSlash(std::string s) {
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

std::string templateFolder(const std::string &exeFolder) {
    std::error_code ec;
    fs::path exe(stripTrailingSlash(exeFolder));
    if (fs::is_regular_file(exe / "Init1.kvl", ec))
        return exe.string();
    fs::path shared = exe.parent_path() / "share" / "murcad";
    if (fs::is_regular_file(shared / "Init1.kvl", ec))
        return shared.string();
    return exe.string();
}

Folders findFolders() {
    Folders f;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    f.HostFolder = templateFolder(ec ? fs::current_path(ec).string() : exe.parent_path().string());
    const char *home = std::getenv("HOME");
    f.ProfileFolder = (home && *home) ? home : f.HostFolder;
    f.HostFolder = stripTrailingSlash(f.HostFolder);
    f.ProfileFolder = stripTrailingSlash(f.ProfileFolder);
    return f;
}

std::string normalisePath(const std::string &path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

bool fileExists(const std::string &path) {
    struct stat st {};
    return !path.empty() && ::stat(normalisePath(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool hasParExtension(const std::string &name) {
    if (name.size() < 4)
        return false;
    std::string ext = name.substr(name.size() - 4);
    for (char &c : ext)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext == ".PAR";
}

static std::string homeFolder() {
    const char *home = std::getenv("HOME");
    return (home && *home) ? home : "/";
}

std::string recentDrawingsFolder(const std::string &settingsRoot) {
    std::string root = settingsRoot;
    if (root.empty()) {
        const char *xdg = std::getenv("XDG_CONFIG_HOME");
        root = (xdg && *xdg) ? xdg : homeFolder() + "/.config";
    }
    std::string text;
    if (!readWholeFile(root + "/Korvel/STRUMA.conf", text))
        return {};
    // INI layout as QSettings writes it: [Recent%20File%20List] then File1=value.
    std::istringstream in(text);
    std::string line, group, value;
    bool found = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            group = line;
            continue;
        }
        if ((group == "[Recent%20File%20List]" || group == "[Recent File List]") &&
            line.rfind("File1=", 0) == 0) {
            value = line.substr(6);
            found = true;
            break;
        }
    }
    if (!found)
        return homeFolder();
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    // QSettings doubles backslashes inside INI values.
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == '\\')
            ++i;
        unescaped += value[i];
    }
    std::string lower = unescaped;
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::size_t p = lower.rfind(".stx");
    if (p == std::string::npos)
        return homeFolder();
    std::string folder = normalisePath(unescaped.substr(0, p)) + "_data/disegni";
    std::error_code ec;
    return fs::is_directory(folder, ec) ? folder : homeFolder();
}

std::string workingFolder(const std::string &path, const std::string &settingsRoot) {
    std::string p = normalisePath(path);
    std::size_t slash = p.rfind('/');
    if (slash != std::string::npos && slash >= 1)
        return p.substr(0, slash);
    if (slash == 0)
        return "/";
    std::string recent = recentDrawingsFolder(settingsRoot);
    if (!recent.empty())
        return recent;
    std::error_code ec;
    return fs::current_path(ec).string();
}

} // namespace murcad
