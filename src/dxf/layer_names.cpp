// Checks that the twelve DXF layer names can be written and are accepted by CAD programs.
#include "dxf/layer_names.h"

#include "geometry/cp1252.h"

#include <cctype>

namespace murcad {

namespace {

// Upper case of a Windows-1252 name, for the duplicate test.
std::string foldCase(std::string_view name) {
    std::string s = utf8ToCp1252(name);
    for (char &c : s) {
        auto u = static_cast<unsigned char>(c);
        if (u < 0x80)
            c = static_cast<char>(std::toupper(u));
        else if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
            c = static_cast<char>(u - 0x20); // Latin-1 letters: à -> À
    }
    return s;
}

std::string quoted(std::string_view s) {
    std::string q;
    q.reserve(s.size() + 2);
    q.push_back('"');
    q.append(s);
    q.push_back('"');
    return q;
}

} // namespace

std::string layerNameProblem(std::string_view name) {
    if (name.empty())
        return "il nome è vuoto";
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F)
            return "il nome contiene un carattere di controllo o un a capo";
    constexpr std::string_view kForbidden = "<>/\\\":;?*|=`";
    for (char c : name)
        if (kForbidden.find(c) != std::string_view::npos) {
            std::string message = "il nome contiene il carattere non ammesso ";
            message.push_back(c);
            return message;
        }
    if (!fitsCp1252Line(name))
        return "il nome contiene caratteri non rappresentabili nel file DXF";
    if (utf8ToCp1252(name).size() > kMaxLayerNameLength)
        return "il nome supera i 255 caratteri";
    if (name == "0")
        return "il nome \"0\" è riservato al layer predefinito";
    return {};
}

std::string checkLayerNames(const std::array<std::string, kLayerCount> &names) {
    for (int i = 0; i < kLayerCount; ++i) {
        std::string problem = layerNameProblem(names[i]);
        if (!problem.empty())
            return "Nome del layer " + std::to_string(i + 1) + " (" + quoted(names[i]) +
                   ") non valido: " + problem + ".";
        for (int j = 0; j < i; ++j)
            if (foldCase(names[j]) == foldCase(names[i]))
                return "Nome del layer " + std::to_string(i + 1) + " (" + quoted(names[i]) +
                       ") non valido: è uguale al nome del layer " + std::to_string(j + 1) +
                       ".";
    }
    return {};
}

} // namespace murcad
