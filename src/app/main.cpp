// Entry point of the desktop application: murcad [PARETE.PAR]; without a display it exports.
#include "headless_export.h"
#include "main_window.h"
#include "screenshots.h"
#include "start_arguments.h"
#include "translations.h"

#include "model/command_line.h"
#include "model/folders.h"
#include "model/settings_file.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool hasDisplay(const QStringList &args) {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || args.contains("-platform"))
        return true; // the user chose a platform: trust it
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// --help and --version print their text and end the program with 0.
bool answersAlone(murcad::app::StartAction action) {
    using murcad::app::StartAction;
    if (action != StartAction::Help && action != StartAction::Version)
        return false;
    QString text =
        action == StartAction::Help ? murcad::app::helpText() : murcad::app::versionText();
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return true;
}

int usageError(const QString &error) {
    std::fprintf(stderr, "murcad: %s\n\n%s", error.toLocal8Bit().constData(),
                 murcad::app::helpText().toLocal8Bit().constData());
    return 2;
}

// Exports the wall's DXF, RTF and PNG into folder; returns the process exit code.
int runExport(const std::string &wallArg, const std::string &folder) {
    murcad::Folders folders = murcad::findFolders();
    murcad::AppState state;
    state.HostFolder = folders.HostFolder;
    state.ProfileFolder = folders.ProfileFolder;
    murcad::SettingsFileValues values;
    murcad::readSettings(state.ProfileFolder, values);
    state.layers = values.Layers;
    state.wall.LapFactor = values.LapFactor;
    state.wall.ExtraOption = values.ExtraOption;
    std::string wall = murcad::filterQuotes(wallArg);
    auto r = murcad::app::exportWall(state, wall, folder);
    for (const std::string &p : r.written)
        std::printf("scritto: %s\n", p.c_str());
    for (const std::string &e : r.errors)
        std::fprintf(stderr, "errore: %s\n", e.c_str());
    return r.ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    using murcad::app::StartAction;
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);

    murcad::app::StartArguments start = murcad::app::parseStartArguments(raw);
    if (answersAlone(start.action))
        return 0;
    if (start.action == StartAction::Export) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return runExport(start.file.toStdString(), start.folder.toStdString());
    }
    if (!hasDisplay(raw)) {
        // No screen to show the window on: export the wall instead, so the run is not lost.
        if (start.action == StartAction::UsageError)
            return usageError(start.error);
        std::string wall = start.file.toStdString();
        if (wall.empty()) {
            std::fprintf(stderr, "Nessun display disponibile e nessun file dati indicato.\n\n%s",
                         murcad::app::helpText().toLocal8Bit().constData());
            return 1;
        }
        std::string folder = (QDir::currentPath() + "/murcad-export").toStdString();
        std::printf("Nessun display disponibile (DISPLAY non impostato): la finestra non si apre.\n"
                    "Esporto DXF, RTF e PNG di %s nella cartella %s\n",
                    wall.c_str(), folder.c_str());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return runExport(wall, folder);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("MURCAD Vavire");
    QApplication::setOrganizationName("MURCAD");
    murcad::app::installItalianTranslations(); // stock buttons and dialogs in Italian
    // Read again without the options Qt took for itself (-platform, -style, ...).
    start = murcad::app::parseStartArguments(QApplication::arguments().mid(1));
    if (answersAlone(start.action))
        return 0;
    if (start.action == StartAction::UsageError || start.action == StartAction::Export)
        return usageError(start.action == StartAction::Export
                              ? "--export va data prima delle opzioni di Qt"
                              : start.error);

    murcad::Folders folders = murcad::findFolders();
    murcad::app::StartupOptions options;
    options.hostFolder = folders.HostFolder;
    options.profileFolder = folders.ProfileFolder;

    // A hidden option for the developers: pictures of the window and of every dialog.
    if (start.action == StartAction::Screenshots) {
        options.commandLine = start.file;
        options.usePlacementStore = false;
        return murcad::app::takeScreenshots(options, start.folder);
    }

    options.commandLine = start.file;
    murcad::app::MainWindow window(options);
    window.show();
    return app.exec();
}
