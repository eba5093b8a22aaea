// Helpers shared by the DXF tests: temporary folders, file text, fake loaders and drawings.
#pragma once

#include "dxf/dxf_file.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <unistd.h>

namespace murcad::dxftest {

/// A fresh folder removed at the end of the test.
struct TempDir {
    std::filesystem::path path;
    TempDir() {
        static int n = 0;
        path = std::filesystem::temp_directory_path() /
               ("murcad_dxf_" + std::to_string(::getpid()) + "_" + std::to_string(n++));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path, ec);
    }
    std::string operator/(const std::string &name) const { return (path / name).string(); }
    std::string str() const { return path.string(); }
};

inline std::string readText(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

inline void writeText(const std::string &path, const std::string &text) {
    std::ofstream f(path, std::ios::binary);
    f << text;
}

/// Lines each ended by CR LF.
inline std::string crlf(std::initializer_list<const char *> ls) {
    std::string s;
    for (const char *l : ls) {
        s += l;
        s += "\r\n";
    }
    return s;
}

/// Hooks that "load" a wall from its name: names containing "band" are band elements, names
/// containing "bad" fail; others load with TotalHeight taken from the digits in the name.
/// The drawing is one BORDO line from (0,0) to (100,50) and returns SheetX 900.
inline DxfBatchHooks fakeHooks(float sheetX = 900.0f) {
    DxfBatchHooks h;
    h.load = [](const std::string &path, Wall &wall) {
        LoadResult r;
        if (path.find("band") != std::string::npos) {
            wall.LoadStatus = -2;
            r.outcome = LoadOutcome::BandElement;
        } else if (path.find("bad") != std::string::npos) {
            r.outcome = LoadOutcome::Failed;
            r.error.file = path;
            r.error.message = "\"" + path + "\", riga 3: trovato \"x\", atteso un numero";
        } else {
            wall.WallFile = path;
            r.outcome = LoadOutcome::Loaded;
        }
        return r;
    };
    h.draw = [sheetX](Surface &s, const Wall &) {
        s.drawLine(0, 0, 100, 50, BORDO, ByLayer);
        return sheetX;
    };
    return h;
}

} // namespace murcad::dxftest
