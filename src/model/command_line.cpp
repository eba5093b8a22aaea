// Command-line wall file, unnamed-wall test, file title and the main-window caption.
#include "model/command_line.h"

#include <cctype>

namespace murcad {

std::string filterQuotes(std::string_view text) {
    std::string s(text);
    if (!s.empty() && s.front() == '"')
        s.erase(0, 1);
    auto q = s.find('"');
    if (q != std::string::npos && q + 1 == s.size())
        s.erase(q, 1);
    return s;
}

static std::string upper(std::string_view t) {
    std::string u(t);
    for (char &c : u)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

std::string wallFileFromPath(std::string_view path) {
    // Only the file name is searched: a folder such as "prog.parete" is part of the path.
    auto slash = path.find_last_of("\\/");
    std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    auto pos = upper(path.substr(nameStart)).find(".PAR");
    if (pos == std::string::npos)
        return {};
    return std::string(path.substr(0, nameStart + pos + 4));
}

bool isUnnamedWall(std::string_view wallFile) {
    return wallFile.empty() || upper(wallFile) == "ANONIMO";
}

std::string fileTitle(std::string_view path) {
    if (path.empty())
        return "Anonimo";
    auto p = path.find_last_of("\\/");
    return std::string(p == std::string_view::npos ? path : path.substr(p + 1));
}

std::string mainWindowTitle(std::string_view wallFile, bool modified) {
    return "MURCAD Vavire -  [ " + fileTitle(wallFile) + " ]" + (modified ? "*" : "");
}

} // namespace murcad
