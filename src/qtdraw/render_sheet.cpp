// Renders a wall's whole sheet, fitted as "Vista totale", to an image, an SVG or a PDF file.
#include "qtdraw/render_sheet.h"

#include "qtdraw/painter_surface.h"
#include "drawings/sheet.h"
#include "geometry/view.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace murcad {

namespace {

ViewWindow fittedView(const Wall &wall, int width, int height, const WorldWindow &window) {
    ViewWindow v;
    v.BoxWidthPx = static_cast<float>(width);
    v.BoxHeightPx = static_cast<float>(height);
    SheetExtents e = computeSheetExtents(wall);
    if (window) {
        e.SheetLeft = (*window)[0];
        e.SheetBottom = (*window)[1];
        e.SheetRight = (*window)[2];
        e.SheetTop = (*window)[3];
    }
    fitSheet(v, e);
    copyToPreviousView(v);
    return v;
}

void paintSheet(QPainter &p, const Wall &wall, const LayerSettings &layers, int width, int height,
                const WorldWindow &window) {
    ViewWindow v = fittedView(wall, width, height, window);
    PainterSurface s(p, v, layers);
    // The background is painted even when there is nothing to draw.
    s.clear();
    redraw(s, wall);
}

std::string lowerExtension(const std::string &path) {
    auto dot = path.find_last_of('.');
    auto slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return "";
    std::string ext = path.substr(dot + 1);
    for (char &c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

} // namespace

void ensureQtGui() {
    if (QCoreApplication::instance())
        return;
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session there is no runtime folder; give Qt a private one rather than
    // let it warn on every run of the command-line tool.
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        std::string dir = "/tmp/runtime-" + std::to_string(::getuid());
        ::mkdir(dir.c_str(), 0700);
        struct stat st {};
        if (::stat(dir.c_str(), &st) == 0 && st.st_uid == ::getuid() && (st.st_mode & 077) == 0)
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir));
    }
    static int argc = 1;
    static char name[] = "murcad";
    static char *argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

QImage renderSheetImage(const Wall &wall, const LayerSettings &layers, int width, int height,
                        const WorldWindow &window) {
    ensureQtGui();
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    paintSheet(p, wall, layers, width, height, window);
    p.end();
    return image;
}

bool renderSheetToFile(const Wall &wall, const LayerSettings &layers, const std::string &path,
                       int width, int height, std::string &error, const WorldWindow &window) {
    ensureQtGui();
    if (width < 1 || height < 1 || width > 20000 || height > 20000) {
        error = path + ": dimensioni dell'immagine non valide (" + std::to_string(width) + "x" +
                std::to_string(height) + ")";
        return false;
    }
    const std::string ext = lowerExtension(path);
    const std::string tmp = path + ".tmp";
    const QString qtmp = QString::fromStdString(tmp);
    bool ok = false;
    if (ext == "png") {
        QImage image = renderSheetImage(wall, layers, width, height, window);
        ok = image.save(qtmp, "PNG");
    } else if (ext == "svg") {
        QSvgGenerator gen;
        gen.setFileName(qtmp);
        gen.setSize(QSize(width, height));
        gen.setViewBox(QRect(0, 0, width, height));
        gen.setTitle(QStringLiteral("Parete"));
        QPainter p;
        if (p.begin(&gen)) {
            paintSheet(p, wall, layers, width, height, window);
            ok = p.end();
        }
    } else if (ext == "pdf") {
        QPdfWriter pdf(qtmp);
        // One point per pixel, so the page keeps the picture's proportions.
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p;
        if (p.begin(&pdf)) {
            paintSheet(p, wall, layers, width, height, window);
            ok = p.end();
        }
    } else {
        error = path + ": estensione non riconosciuta (attese .png, .svg o .pdf)";
        return false;
    }
    if (!ok || !QFile::exists(qtmp)) {
        QFile::remove(qtmp);
        error = path + ": impossibile scrivere il file";
        return false;
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        QFile::remove(qtmp);
        error = path + ": impossibile scrivere il file";
        return false;
    }
    return true;
}

} // namespace murcad
