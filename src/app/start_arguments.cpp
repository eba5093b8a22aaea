// The options of the desktop program: --help, --version, --export and the wall file name.
#include "start_arguments.h"

#include "murcad_version.h"

namespace murcad::app {

StartArguments parseStartArguments(const QStringList &args) {
    StartArguments r;
    if (args.isEmpty())
        return r;
    const QString &first = args[0];
    if (first == "-h" || first == "--help") {
        r.action = StartAction::Help;
    } else if (first == "-V" || first == "--version") {
        r.action = StartAction::Version;
    } else if (first == "--export" || first == "--screenshots") {
        bool exporting = first == "--export";
        if (exporting ? args.size() != 3 : (args.size() < 2 || args.size() > 3)) {
            r.action = StartAction::UsageError;
            r.error = exporting ? "--export vuole la cartella e il file dati"
                                : first + " vuole la cartella";
            return r;
        }
        r.action = exporting ? StartAction::Export : StartAction::Screenshots;
        r.folder = args[1];
        r.file = args.size() > 2 ? args[2] : QString();
    } else if (first == "--") {
        r.file = args.mid(1).join(' ');
    } else if (first.size() > 1 && first.startsWith('-')) {
        r.action = StartAction::UsageError;
        r.error = QString("opzione sconosciuta \"%1\"").arg(first);
    } else {
        r.file = args.join(' ');
    }
    return r;
}

QString helpText() {
    return "Uso: murcad [PARETE.PAR]\n"
           "     murcad --export CARTELLA PARETE.PAR\n"
           "     murcad --help | --version\n"
           "\n"
           "Apre il file dati della parete (.PAR) scritto dal programma di calcolo e ne disegna\n"
           "la tavola: sezioni orizzontali, prospetto con le armature e sezioni verticali. Le\n"
           "modifiche si salvano nel file .wpx accanto al file dati, che non viene mai scritto.\n"
           "\n"
           "Opzioni:\n"
           "  --export CARTELLA PARETE.PAR  esporta DXF, computo (RTF) e immagine (PNG) della\n"
           "                                parete nella cartella, senza aprire finestre\n"
           "  --                            fine delle opzioni (per un file che inizia con -)\n"
           "  -h, --help                    mostra questo aiuto ed esce\n"
           "  -V, --version                 mostra la versione ed esce\n"
           "\n"
           "Senza display (DISPLAY e WAYLAND_DISPLAY non impostati) la finestra non si apre: il\n"
           "programma esporta la parete nella cartella ./murcad-export.\n"
           "Stato d'uscita: 0 riuscito; 1 esportazione non riuscita; 2 opzione errata.\n"
           "Manuale completo: man murcad\n";
}

QString versionText() {
    return "murcad (" MURCAD_PRODUCT ") " MURCAD_VERSION "\n";
}

} // namespace murcad::app
