// Headless export of one wall: DXF through the export writer, RTF report, PNG of the sheet.
#include "headless_export.h"

#include "qtdraw/render_sheet.h"
#include "dxf/dxf_file.h"
#include "model/wall_file.h"
#include "takeoff/batch.h"
#include "takeoff/report_numbers.h"
#include "takeoff/report_rtf.h"

#include <QDir>
#include <QFileInfo>

namespace murcad::app {

HeadlessExportResult exportWall(const AppState &state, const std::string &wallPath,
                                const std::string &folder, int widthPx, int heightPx) {
    HeadlessExportResult out;
    if (!QDir().mkpath(QString::fromStdString(folder))) {
        out.errors.push_back("Cartella non creata: " + folder);
        return out;
    }
    Wall wall = state.wall;
    LoadResult r = loadWall(wallPath, wall);
    if (r.outcome == LoadOutcome::BandElement) {
        out.errors.push_back(wallPath + ": elemento di fascia attualmente non gestito.");
        return out;
    }
    if (!r.ok()) {
        out.errors.push_back(describeLoadError(r.error));
        return out;
    }
    QString base = QFileInfo(QString::fromStdString(wallPath)).completeBaseName();
    QDir dir(QString::fromStdString(folder));

    // DXF: the one wall at the scale of the settings. The loader needs a wall of its own.
    std::string dxfPath = dir.filePath(base + ".DXF").toStdString();
    Wall batchWall = state.wall;
    DxfWriteResult d = writeDxf(dxfPath, state.HostFolder, {wallPath}, state.layers, batchWall);
    if (d.written)
        out.written.push_back(dxfPath);
    else
        out.errors.push_back(d.error);

    // RTF: the bill of materials of the wall.
    TakeoffRun run = takeOffSingleWall(wall);
    ReportOptions options;
    options.decimalSeparator = userDecimalSeparator();
    std::string rtfPath = dir.filePath(base + ".rtf").toStdString();
    std::string why;
    if (writeReportRtf(rtfPath, computoRtf(run, options), &why))
        out.written.push_back(rtfPath);
    else
        out.errors.push_back(why);

    // PNG: the whole sheet fitted into the image, as "Vista totale" shows it.
    std::string pngPath = dir.filePath(base + ".png").toStdString();
    std::string pngError;
    if (renderSheetToFile(wall, state.layers, pngPath, widthPx, heightPx, pngError))
        out.written.push_back(pngPath);
    else
        out.errors.push_back(pngError);

    out.ok = out.errors.empty();
    return out;
}

} // namespace murcad::app
