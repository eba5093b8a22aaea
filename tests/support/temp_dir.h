// A temporary folder for tests that write files, removed with everything in it.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace murcad::test {

class TempDir {
public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "murcad-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

    /// Writes text to name inside the folder and returns its full path.
    std::string write(const std::string &name, const std::string &text) const {
        std::string p = file(name);
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }

private:
    std::string path_;
};

inline std::string readText(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace murcad::test
