// Fuzz target: loading a wall whose companion holds any bytes, stamped current so that it is
// read. The wall must load (from the companion or, set aside, from its data file) unless the
// companion comes from a newer program; what loads is within bounds.
#include "model/companion_file.h"
#include "model/file_time.h"
#include "model/value_reader.h"
#include "model/wall_file.h"
#include "model/wall_validation.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace murcad;

namespace {

struct Files {
    std::string folder, par, wpx, date;
    Files() {
        char tmpl[] = "/tmp/murcad-fuzz-XXXXXX";
        folder = ::mkdtemp(tmpl);
        par = folder + "/W1.PAR";
        wpx = folder + "/W1.wpx";
        std::string text;
        if (!readWholeFile(std::string(MURCAD_EXAMPLES_DIR) + "/realistic_10_storeys.PAR", text))
            std::abort();
        std::ofstream(par, std::ios::binary) << text;
        date = formatDateTime(*fileDateTime(par));
    }
};

// The input with its second line replaced by the data file's date, so the companion is current.
std::string stampedCurrent(std::string text, const std::string &date) {
    std::size_t first = text.find('\n');
    if (first == std::string::npos)
        return text;
    std::size_t second = text.find('\n', first + 1);
    return text.substr(0, first + 1) + date + "\r" +
           (second == std::string::npos ? std::string() : text.substr(second));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static Files files;
    std::string text(reinterpret_cast<const char *>(data), size);
    const bool stamped = text.find('\n') != std::string::npos;
    std::ofstream(files.wpx, std::ios::binary | std::ios::trunc)
        << stampedCurrent(std::move(text), files.date);
    Wall wall;
    LoadResult r = loadWall(files.par, wall);
    CompanionHead head;
    LoadError e;
    bool newer = readCompanionHead(files.wpx, head, e) && head.version >= 12;
    std::string problem;
    if (r.ok() == (newer && stamped))
        std::abort(); // only a current companion of a newer version may refuse the wall
    if (r.ok() && !checkWallBounds(wall, problem))
        std::abort();
    if (stamped && r.ok() && !r.fromCompanion && r.companionSetAside.empty() &&
        head.version > 4)
        std::abort(); // a current companion not used must be reported
    return 0;
}
