// Entry point of the desktop application: murcad [FILE.PAR]; without a display it exports.
#include "headless_export.h"
#include "main_window.h"
#include "screenshots.h"

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

bool hasDisplay() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return true; // the user chose a platform: trust it
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

void usage() {
    std::fprintf(
        stderr, "Uso: murcad [FILE.PAR]\n"
                "     murcad --export CARTELLA FILE.PAR   esporta DXF, RTF e PNG senza finestre\n");
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
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    if (!args.isEmpty() && (args[0] == "-h" || args[0] == "--help")) {
        usage();
        return 0;
    }
    if (!args.isEmpty() && args[0] == "--export") {
        if (args.size() != 3) {
            usage();
            return 2;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return runExport(args[2].toStdString(), args[1].toStdString());
    }
    if (!hasDisplay()) {
        // No screen to show the window on: export the wall instead, so the run is not lost.
        std::string wall = args.isEmpty() ? std::string() : args[0].toStdString();
        if (wall.empty()) {
            std::fprintf(stderr, "Nessun display disponibile e nessun file dati indicato.\n");
            usage();
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
    args = QApplication::arguments().mid(1); // without the options Qt took for itself

    murcad::Folders folders = murcad::findFolders();
    murcad::app::StartupOptions options;
    options.hostFolder = folders.HostFolder;
    options.profileFolder = folders.ProfileFolder;

    // A hidden option for the developers: pictures of the window and of every dialog.
    if (args.size() >= 2 && args[0] == "--screenshots") {
        options.commandLine = args.size() >= 3 ? args[2] : QString();
        options.usePlacementStore = false;
        return murcad::app::takeScreenshots(options, args[1]);
    }

    // The whole command line is the wall file name (a path with blanks may come unquoted).
    options.commandLine = args.join(' ');
    murcad::app::MainWindow window(options);
    window.show();
    return app.exec();
}
