// "Esporta IFC...": the save dialog, the export of the wall on screen and the message after.
#include "ifc_export_action.h"

#include "ifc/ifc_export.h"

#include <QApplication>
#include <QFileInfo>

namespace murcad::app {

QString proposedIfcName(const Wall &wall) {
    QFileInfo info(QString::fromStdString(wall.WallFile));
    if (wall.WallFile.empty() ||
        info.completeBaseName().compare("Anonimo", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Parete.ifc");
    return info.absolutePath() + "/" + info.completeBaseName() + ".ifc";
}

bool exportIfcOfWall(QWidget *parent, Prompts &prompts, const Wall &wall) {
    QString name = prompts.saveFileName(parent, QStringLiteral("Esporta IFC"),
                                        proposedIfcName(wall),
                                        QStringLiteral("File IFC (*.ifc)"), QStringLiteral("ifc"));
    if (name.isEmpty())
        return false;
    // The wall on screen, not the file: border offsets and storey edits not yet saved count.
    IfcExportHooks hooks;
    hooks.load = [&wall](const std::string &, Wall &target) {
        target = wall;
        LoadResult r;
        r.outcome = wall.BandElement != 0 ? LoadOutcome::BandElement : LoadOutcome::Loaded;
        return r;
    };
    Wall scratch;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    IfcWriteResult r = writeIfc(name.toStdString(),
                                {wall.WallFile.empty() ? std::string("Anonimo") : wall.WallFile},
                                scratch, hooks);
    QApplication::restoreOverrideCursor();
    if (!r.written) {
        QString why = QString::fromStdString(r.error);
        for (const auto &m : r.messages())
            why += "\n\n" + QString::fromStdString(m);
        prompts.warn(parent, kWarningTitle, why);
        return false;
    }
    prompts.warn(parent, QStringLiteral("Esporta IFC"),
                 QStringLiteral("File IFC scritto: %1\n%2 piani, %3 barre, %4 kg di acciaio.")
                     .arg(name)
                     .arg(r.counts.walls)
                     .arg(r.counts.bars)
                     .arg(r.counts.steelKg, 0, 'f', 1));
    return true;
}

} // namespace murcad::app
