// The DXF file of a batch of walls: templates, layer table, the walls side by side, the end.
#include "dxf/dxf_file.h"

#include "drawings/sheet.h"
#include "geometry/cp1252.h"
#include "dxf/dxf_surface.h"
#include "dxf/layer_names.h"

#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace murcad {

float dxfScaleOf(const LayerSettings &layers) {
    return layers.DxfScaleLeft / layers.DxfScaleRight;
}

std::vector<std::string> DxfBatchReport::messages() const {
    std::vector<std::string> out;
    if (!bandElements.empty())
        out.emplace_back(kBandElementsMessage);
    if (!failed.empty()) {
        std::string m = failed.size() == 1
                            ? "Un file selezionato non è stato disegnato perché non leggibile:"
                            : std::to_string(failed.size()) +
                                  " file selezionati non sono stati disegnati perché non "
                                  "leggibili:";
        for (const auto &f : failed)
            m += "\n" + f.error;
        out.push_back(std::move(m));
    }
    return out;
}

namespace {

std::string joinPath(const std::string &folder, const char *name) {
    if (folder.empty())
        return name;
    char last = folder.back();
    return (last == '/' || last == '\\') ? folder + name : folder + "/" + name;
}

std::string systemError(int err) { return std::strerror(err != 0 ? err : EIO); }

// Reads a template as lines and ends each with CR LF, whatever line ends the file has.
bool readTemplate(const std::string &path, std::string &out, std::string *error) {
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (error)
            *error = "Modello DXF \"" + path + "\" non leggibile: " + systemError(errno);
        return false;
    }
    std::string raw;
    char buf[8192];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        raw.append(buf, n);
    bool bad = std::ferror(f) != 0;
    int err = errno;
    std::fclose(f);
    if (bad) {
        if (error)
            *error = "Modello DXF \"" + path + "\" non leggibile: " + systemError(err);
        return false;
    }
    out.clear();
    std::size_t pos = 0;
    while (pos < raw.size()) {
        std::size_t eol = raw.find('\n', pos);
        std::size_t end = eol == std::string::npos ? raw.size() : eol;
        std::size_t lineEnd = end;
        if (lineEnd > pos && raw[lineEnd - 1] == '\r')
            --lineEnd;
        out.append(raw, pos, lineEnd - pos);
        out += "\r\n";
        pos = eol == std::string::npos ? raw.size() : eol + 1;
    }
    if (out.empty()) {
        if (error)
            *error = "Modello DXF \"" + path + "\" vuoto.";
        return false;
    }
    return true;
}

// Colour place of a layer entry: three blanks, then the number with its sign place.
std::string colourValue(int colour) {
    if (colour < 1 || colour > 255)
        colour = 7;
    return "    " + std::to_string(colour);
}

// A temporary file beside the target, created exclusively.
struct TempFile {
    std::string path;
    std::FILE *file = nullptr;
};

bool openTemp(const std::string &target, TempFile &t, std::string *error) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        t.path = target + ".tmp" + std::to_string(::getpid()) + "_" +
                 std::to_string(counter.fetch_add(1));
        int fd = ::open(t.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            if (error)
                *error = "Impossibile creare il file DXF \"" + target + "\": " +
                         systemError(errno);
            return false;
        }
        t.file = ::fdopen(fd, "wb");
        if (!t.file) {
            int err = errno;
            ::close(fd);
            ::unlink(t.path.c_str());
            if (error)
                *error = "Impossibile creare il file DXF \"" + target + "\": " +
                         systemError(err);
            return false;
        }
        return true;
    }
    if (error)
        *error = "Impossibile creare il file DXF \"" + target + "\": troppi file temporanei.";
    return false;
}

} // namespace

bool readDxfTemplates(const std::string &hostFolder, DxfTemplates &templates,
                      std::string *error) {
    return readTemplate(joinPath(hostFolder, kDxfHeadTemplate), templates.head, error) &&
           readTemplate(joinPath(hostFolder, kDxfTailTemplate), templates.tail, error);
}

void writeLayerEntries(DxfTagWriter &w, const LayerSettings &layers) {
    for (int i = 0; i < kLayerCount; ++i) {
        w.code(0);
        w.line("LAYER");
        w.code(2);
        w.line(utf8ToCp1252(layers.LayerName[i]));
        w.line("70");
        w.line("   64");
        w.line("62");
        w.line(colourValue(layers.LayerColour[i]));
        w.line("6");
        w.line("CONTINUOUS");
    }
}

DxfBatchReport fileDxf(DxfTagWriter &w, const std::vector<std::string> &wallPaths,
                       const LayerSettings &layers, Wall &wall, const DxfBatchHooks &hooks) {
    DxfBatchReport report;
    DxfSurface surface(w, layers);
    surface.transform.DxfScale = dxfScaleOf(layers);

    w.code(0);
    w.line("SECTION");
    w.code(2);
    w.line("ENTITIES");
    w.code(0);

    surface.transform.DxfOffsetX = 0.0f;
    const int count = static_cast<int>(wallPaths.size());
    for (int n = 0; n < count; ++n) {
        surface.transform.DxfOffsetY = 0.0f;
        DxfWallOutcome outcome;
        outcome.path = wallPaths[n];
        wall.LoadStatus = 0;
        LoadResult loaded = hooks.load ? hooks.load(wallPaths[n], wall)
                                       : loadWall(wallPaths[n], wall);
        switch (loaded.outcome) {
        case LoadOutcome::Loaded: {
            float sheetX = hooks.draw ? hooks.draw(surface, wall) : redraw(surface, wall).SheetX;
            surface.transform.DxfOffsetX = sheetX + surface.transform.DxfOffsetX + kDxfWallGap;
            outcome.status = DxfWallOutcome::Drawn;
            ++report.drawn;
            break;
        }
        case LoadOutcome::BandElement:
            outcome.status = DxfWallOutcome::BandElement;
            report.bandElements.push_back(wallPaths[n]);
            break;
        case LoadOutcome::Failed:
            outcome.status = DxfWallOutcome::Failed;
            outcome.error = describeLoadError(loaded.error);
            if (outcome.error.empty())
                outcome.error = "\"" + wallPaths[n] + "\": lettura non riuscita.";
            report.failed.push_back(outcome);
            break;
        }
        w.maybeFlush();
        if (hooks.progress)
            hooks.progress(n, count, outcome);
    }

    w.line("ENDSEC");
    w.line("0");
    w.line("EOF");
    return report;
}

DxfWriteResult writeDxf(const std::string &outPath, const std::string &hostFolder,
                        const std::vector<std::string> &wallPaths, const LayerSettings &layers,
                        Wall &wall, const DxfBatchHooks &hooks) {
    DxfWriteResult result;
    if (wallPaths.empty()) {
        result.error = "Non sono stati selezionati i file dati.\nGenerazione file DXF "
                       "impossibile!";
        return result;
    }
    if (static_cast<int>(wallPaths.size()) > kMaxDxfWalls) {
        result.error = "Un file DXF può contenere al massimo " + std::to_string(kMaxDxfWalls) +
                       " pareti: ne sono state scelte " + std::to_string(wallPaths.size()) +
                       ".";
        return result;
    }
    std::string problem = checkLayerNames(layers.LayerName);
    if (!problem.empty()) {
        result.error = problem;
        return result;
    }
    float scale = dxfScaleOf(layers);
    if (!(scale > 0.0f) || !std::isfinite(scale)) {
        result.error = "Valori della scala non validi!";
        return result;
    }
    DxfTemplates templates;
    if (!readDxfTemplates(hostFolder, templates, &result.error))
        return result;

    TempFile temp;
    if (!openTemp(outPath, temp, &result.error))
        return result;

    DxfTagWriter w(temp.file);
    w.raw(templates.head);
    writeLayerEntries(w, layers);
    w.raw(templates.tail);
    result.batch = fileDxf(w, wallPaths, layers, wall, hooks);
    w.flush();
    result.nonFiniteValues = w.nonFiniteValues();

    int err = w.failed() ? w.errorNumber() : 0;
    if (err == 0 && std::fflush(temp.file) != 0)
        err = errno != 0 ? errno : EIO;
    if (err == 0 && ::fsync(::fileno(temp.file)) != 0 && errno != EINVAL)
        err = errno;
    if (std::fclose(temp.file) != 0 && err == 0)
        err = errno != 0 ? errno : EIO;
    if (err == 0 && std::rename(temp.path.c_str(), outPath.c_str()) != 0)
        err = errno != 0 ? errno : EIO;
    if (err != 0) {
        ::unlink(temp.path.c_str());
        result.error = "Impossibile scrivere il file DXF \"" + outPath + "\": " +
                       systemError(err);
        return result;
    }
    result.written = true;
    result.bytes = w.bytesWritten();
    return result;
}

} // namespace murcad
