// The command table, the File popup and the Standard toolbar layout.
#include "command_table.h"

namespace murcad::app {

const std::vector<CommandInfo> &commandTable() {
    static const std::vector<CommandInfo> table = {
        {CmdOpen, "&Apri", "open", "Apri un file dati parete (.PAR)"},
        {CmdSave, "&Salva", "save", "Salva le modifiche della parete"},
        {CmdSaveAs, "Salva con &Nome", "saveas", "Salva la parete con un altro nome"},
        {CmdPreferences, "&Impostazioni", "opz", "Ancoraggi, legature e colori"},
        {CmdExit, "&Esci", "exit", "Chiudi il programma"},
        {CmdZoomOut, "Allontana", "zmeno", "Allontana (rotellina verso di sé)"},
        {CmdZoomIn, "Avvicina", "zpiu", "Avvicina (rotellina in avanti)"},
        {CmdWholeSheet, "Vista totale", "zest", "Mostra tutta la tavola"},
        {CmdPan, "Trascina", "pan", "Trascina la vista (anche col tasto centrale)"},
        {CmdPreviousView, "Vista precedente", "zprec", "Torna alla vista precedente"},
        {CmdZoomWindow, "Zoom", "zoom", "Ingrandisci una finestra: due clic sugli angoli"},
        {CmdInsertHorizontal, "Inserisci sezione orizzontale", "sezor",
         "Un clic sul prospetto inserisce una sezione orizzontale"},
        {CmdInsertVertical, "Inserisci sezione verticale", "sezvr",
         "Un clic sul prospetto inserisce una sezione verticale"},
        {CmdDeleteSection, "Cancella sezione", "sezcanc",
         "Un clic sul segno di una sezione la cancella"},
        {CmdOffsetLeft, "Offset del bordo a sinistra", "offsx",
         "Sposta il bordo sinistro di tutti i piani"},
        {CmdOffsetRight, "Offset del bordo a destra", "offdx",
         "Sposta il bordo destro di tutti i piani"},
        {CmdTakeoff, "Computo materiali", "compu", "Computo dei materiali della parete"},
        {CmdPrint, "S&tampa...", "",
         "Stampa la tavola in scala, con cornice e cartiglio, dopo l'anteprima"},
        {CmdExportSheetPdf, "Esporta tavola &PDF...", "",
         "Scrive la tavola in scala, con cornice e cartiglio, in un file PDF"},
        {CmdDxf, "&Genera file DXF", "", "Genera un file DXF di una o più pareti"},
        {CmdAbout, "&Informazioni su...", "", "Informazioni sul programma"},
    };
    return table;
}

const CommandInfo *findCommand(int id) {
    for (const CommandInfo &c : commandTable())
        if (c.id == id)
            return &c;
    return nullptr;
}

const std::vector<int> &fileMenuLayout() {
    static const std::vector<int> layout = {CmdOpen,           CmdSave, CmdSaveAs,      0, CmdPrint,
                                            CmdExportSheetPdf, 0,       CmdPreferences, 0, CmdExit};
    return layout;
}

const std::vector<int> &toolbarLayout() {
    static const std::vector<int> layout = {CmdOpen,
                                            CmdSave,
                                            CmdPreferences,
                                            0,
                                            CmdZoomWindow,
                                            CmdPreviousView,
                                            CmdWholeSheet,
                                            CmdZoomIn,
                                            CmdZoomOut,
                                            CmdPan,
                                            0,
                                            CmdInsertHorizontal,
                                            CmdInsertVertical,
                                            CmdDeleteSection,
                                            CmdOffsetLeft,
                                            CmdOffsetRight,
                                            0,
                                            CmdTakeoff};
    return layout;
}

} // namespace murcad::app
