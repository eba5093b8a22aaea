// Main window: start-up, commands and their guards, mouse and wheel, grid edits, save on exit.
#include "main_window.h"

#include "app_icons.h"
#include "border_offset_dialog.h"
#include "checks_panel.h"
#include "command_table.h"
#include "drawing_area.h"
#include "dxf_dialog.h"
#include "ifc_export_action.h"
#include "preferences_dialog.h"
#include "property_panel.h"
#include "recent_files_menu.h"
#include "section_list_dock.h"
#include "sheet_print_action.h"
#include "splash_dialog.h"
#include "takeoff_dialog.h"
#include "undo_commands.h"

#include "drawings/marks.h"
#include "checks/check_text.h"
#include "drawings/sheet.h"
#include "geometry/numbers.h"
#include "geometry/section_pick.h"
#include "model/command_line.h"
#include "model/companion_file.h"
#include "model/folders.h"
#include "model/property_grid.h"
#include "model/section_moves.h"
#include "model/settings_file.h"
#include "model/wall_file.h"
#include "model/wall_save.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QUndoStack>

#include <cmath>

namespace murcad::app {

namespace {

const char *kFileFilter = "File Dati (*.PAR *.par *.Par)";
const char *kBandElementText = "Elemento di fascia attulmente non gestito.";
const char *kPermissionText =
    "Il programma sta cercando di operare su una cartella per la quale l'utente non dispone "
    "di autorizzazione.\nOperazione annullata!\nContattare l'amministratore di rete.";

QString qs(const std::string &s) {
    return QString::fromStdString(s);
}

} // namespace

MainWindow::MainWindow(const StartupOptions &options, std::unique_ptr<Prompts> prompts,
                       QWidget *parent)
    : QMainWindow(parent), prompts_(prompts ? std::move(prompts) : std::make_unique<Prompts>()) {
    setWindowIcon(applicationIcon());
    state_.HostFolder = options.hostFolder;
    state_.ProfileFolder = options.profileFolder;
    recentStore_ = options.recentFilesStore;
    undo_ = new QUndoStack(this);
    // Unsaved changes are the edits since the stack was last clean (opened or saved).
    connect(undo_, &QUndoStack::cleanChanged, this, [this](bool clean) { setModified(!clean); });

    area_ = new DrawingArea(state_.wall, view_, state_.layers, tool_);
    grid_ = new PropertyPanel;
    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(area_);
    splitter->addWidget(grid_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({1000, 300});
    setCentralWidget(splitter);

    area_->onMousePress = [this](int b, float x, float y) { mousePressed(b, x, y); };
    area_->onMouseMove = [this](int b, float x, float y) { mouseMoved(b, x, y); };
    area_->onMouseRelease = [this](int b, float x, float y) { mouseReleased(b, x, y); };
    area_->onWheel = [this](bool up, float x, float y) { wheelTurned(up, x, y); };
    area_->onResized = [this] {
        // A fitted sheet stays fitted; otherwise the same part of the sheet stays in view.
        if (fitted_)
            fitSheet(view_, sheet_);
        else
            updateViewScale(view_);
    };
    grid_->onEdited = [this](int id, const QString &text) { return gridEdited(id, text); };

    pointerLabel_ = new QLabel;
    pointerLabel_->setMinimumWidth(220);
    statusBar()->addPermanentWidget(pointerLabel_);

    // The checks run under the drawing; the docks at the right keep their full height.
    checks_ = new ChecksPanel(this);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    addDockWidget(Qt::BottomDockWidgetArea, checks_);
    resizeDocks({checks_}, {170}, Qt::Vertical);

    placeWindow(options.usePlacementStore);
    readSettingsFile();
    state_.UserProfilePath =
        options.userProfileFile.empty() ? userProfilePath() : options.userProfileFile;
    if (QString bad = loadUserPreferences(state_); !bad.isEmpty())
        prompts_->warn(this, kWarningTitle, bad);
    std::vector<std::string> limitWarnings;
    state_.checkLimits = readCheckLimits(state_.UserProfilePath, limitWarnings);
    for (const std::string &w : limitWarnings)
        prompts_->warn(this, kWarningTitle, qs(w));
    buildCommands();
    buildSectionList();
    state_.wall.TieDiameter = 6;
    sheet_ = computeSheetExtents(state_.wall);
    fitSheet(view_, sheet_);
    startWithCommandLine(options.commandLine);
    updateTitle();
    fillGrid();
    redrawSheet();
}

MainWindow::~MainWindow() = default;

void MainWindow::setPrompts(std::unique_ptr<Prompts> p) {
    prompts_ = std::move(p);
}

QAction *MainWindow::action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

bool MainWindow::wallLoaded() const {
    return state_.wall.storeyCount() > 0;
}

float MainWindow::elevationX() const {
    return elevationAxisX(computeSheetExtents(state_.wall).SectionWidthMax);
}

void MainWindow::redrawSheet() {
    area_->redrawSheet();
    refreshChecks();
}

void MainWindow::refreshChecks() {
    // Zoom and pan redraw too: the checks run again only when the wall or the limits changed.
    if (state_.wall == checkedWall_ && state_.checkLimits == checkedLimits_)
        return;
    checkedWall_ = state_.wall;
    checkedLimits_ = state_.checkLimits;
    std::vector<CheckResult> results;
    if (wallLoaded())
        results = checkWall(state_.wall, state_.checkLimits);
    if (results == checks_->results())
        return;
    checks_->showResults(results);
    // Each storey with a failed check gets a flag beside its level mark, naming the failures.
    std::vector<StoreyFlag> flags;
    for (const CheckResult &r : results) {
        if (r.outcome != CheckOutcome::Fail)
            continue;
        if (flags.empty() || flags.back().storey != r.storey)
            flags.push_back({r.storey, qs(checkStoreyName(r.storey) +
                                          ": verifiche non soddisfatte")});
        flags.back().text += qs("\n" + checkPlaceText(r) + " - " + r.check + ": " +
                                checkValueText(r) + ", limite " + checkLimitText(r) + " (" +
                                r.clause + ")");
    }
    area_->setStoreyFlags(std::move(flags));
}

void MainWindow::computeExtentsAndFit() {
    sheet_ = computeSheetExtents(state_.wall);
    fitSheet(view_, sheet_);
    fitted_ = true;
}

// ---- start-up -------------------------------------------------------------------------------

void MainWindow::placeWindow(bool usePlacementStore) {
    QRect screen(0, 0, 1280, 800);
    if (QScreen *s = QGuiApplication::primaryScreen())
        screen = s->availableGeometry();
    // The screen less a small margin, centred.
    int w = screen.width() - 14, h = screen.height() - 14;
    QRect r(screen.left() + (screen.width() - w) / 2, screen.top() + (screen.height() - h) / 2, w,
            h);
    if (usePlacementStore) {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "MURCAD", "MURCAD Vavire");
        store.beginGroup("Settings");
        r = QRect(store.value("MainLeft", r.left()).toInt(),
                  store.value("MainTop", r.top()).toInt(),
                  store.value("MainWidth", r.width()).toInt(),
                  store.value("MainHeight", r.height()).toInt());
    }
    resize(r.size());
    move(r.topLeft());
}

void MainWindow::readSettingsFile() {
    SettingsFileValues values;
    values.LapFactor = state_.wall.LapFactor;
    values.ExtraOption = state_.wall.ExtraOption;
    std::vector<std::string> problems;
    readSettings(state_.ProfileFolder, values, &problems);
    state_.layers = values.Layers;
    state_.wall.LapFactor = values.LapFactor;
    state_.wall.ExtraOption = values.ExtraOption;
    // The other values are kept; the file stays as it is until the settings are saved.
    if (!problems.empty()) {
        QString text = QStringLiteral("Alcune impostazioni non si leggono e valgono quelle "
                                      "predefinite:");
        for (const std::string &p : problems)
            text += "\n" + qs(p);
        prompts_->warn(this, kWarningTitle, text);
    }
}

void MainWindow::startWithCommandLine(const QString &commandLine) {
    std::string file = filterQuotes(commandLine.toStdString());
    if (file.empty())
        return;
    if (!fileExists(file)) // a name that does not exist is dropped silently
        return;
    // The full path, so that the folders offered later do not depend on the working folder.
    file = QFileInfo(qs(normalisePath(file))).absoluteFilePath().toStdString();
    std::string wallFile = wallFileFromPath(file);
    if (wallFile.empty())
        return;
    DxfDataFolder = workingFolder(wallFile);
    openWallFile(qs(wallFile));
    computeExtentsAndFit();
}

// ---- commands -------------------------------------------------------------------------------

void MainWindow::buildCommands() {
    for (const CommandInfo &c : commandTable()) {
        auto *a = new QAction(commandIcon(c.iconKey), QString::fromUtf8(c.caption), this);
        a->setToolTip(QString::fromUtf8(c.caption).remove('&') + " — " +
                      QString::fromUtf8(c.tooltip));
        a->setStatusTip(QString::fromUtf8(c.tooltip));
        const int id = c.id;
        connect(a, &QAction::triggered, this, [this, id, a](bool checked) {
            // A pressed mode button clicked again gives the mode up, as Esc does.
            if (a->isCheckable() && !checked)
                cancelModes();
            else
                executeCommand(id);
        });
        actions_[id] = a;
    }
    // The armed tool's button stays pressed while its mode lasts.
    for (int id : {CmdPan, CmdZoomWindow, CmdInsertHorizontal, CmdInsertVertical,
                   CmdDeleteSection})
        actions_[id]->setCheckable(true);
    actions_[CmdOpen]->setShortcut(QKeySequence::Open);
    actions_[CmdSave]->setShortcut(QKeySequence::Save);
    // Not every desktop defines a "save as" key: Ctrl+Shift+S always.
    actions_[CmdSaveAs]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    actions_[CmdExit]->setShortcut(QKeySequence::Quit);
    actions_[CmdPrint]->setShortcut(QKeySequence::Print);
    actions_[CmdZoomIn]->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::Key_Plus),
                                       QKeySequence(Qt::KeypadModifier | Qt::Key_Plus)});
    actions_[CmdZoomOut]->setShortcuts({QKeySequence::ZoomOut, QKeySequence(Qt::Key_Minus),
                                        QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)});
    actions_[CmdWholeSheet]->setShortcut(QKeySequence(Qt::Key_Home));
    actions_[CmdPreviousView]->setShortcut(QKeySequence(Qt::Key_Backspace));

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    for (int id : fileMenuLayout()) {
        if (id == 0)
            file->addSeparator();
        else
            file->addAction(actions_[id]);
    }
    QAction *ifc = new QAction(QStringLiteral("Esporta IFC..."), this);
    ifc->setObjectName("EsportaIfc");
    file->insertAction(actions_[CmdExit], ifc);
    connect(ifc, &QAction::triggered, this, [this] {
        if (wallLoaded())
            exportIfcOfWall(this, *prompts_, state_.wall);
    });
    recent_ = new RecentFilesMenu(file, actions_[CmdExit], recentStore_, this);
    recent_->onOpen = [this](const QString &path) {
        if (!QFileInfo::exists(path)) {
            prompts_->warn(this, kWarningTitle,
                           QStringLiteral("Il file %1 non esiste più: tolto dai file recenti.")
                               .arg(path));
            recent_->remove(path);
            return;
        }
        state_.wall.LoadStatus = 0;
        if (mayLeaveWall(path) && openWallFile(path))
            showOpenedWall();
        state_.editMode = EditMode::None;
        showHint();
    };
    buildEditMenu();
    menuBar()->addAction(actions_[CmdDxf]);
    menuBar()->addAction(actions_[CmdAbout]);

    toolbar_ = addToolBar(QStringLiteral("Standard"));
    toolbar_->setObjectName("Standard");
    toolbar_->setIconSize(QSize(24, 24));
    toolbar_->setMovable(false);
    for (int id : toolbarLayout()) {
        if (id == 0)
            toolbar_->addSeparator();
        else
            toolbar_->addAction(actions_[id]);
    }
    // Undo and redo stand after the file buttons, in a group of their own.
    toolbar_->insertAction(actions_[CmdZoomWindow], actions_[CmdUndo]);
    toolbar_->insertAction(actions_[CmdZoomWindow], actions_[CmdRedo]);
    toolbar_->insertSeparator(actions_[CmdZoomWindow]);
}

void MainWindow::updateTitle() {
    setWindowTitle(qs(mainWindowTitle(
        isUnnamedWall(state_.wall.WallFile) ? std::string() : state_.wall.WallFile,
        state_.document.Modified)));
}

void MainWindow::setModified(bool modified) {
    state_.document.Modified = modified;
    updateTitle();
}

void MainWindow::fillGrid() {
    grid_->fill(state_.wall);
    sections_->fill(state_.wall);
}

void MainWindow::buildEditMenu() {
    QAction *undo = undo_->createUndoAction(this, QStringLiteral("Annulla"));
    QAction *redo = undo_->createRedoAction(this, QStringLiteral("Ripeti"));
    undo->setShortcut(QKeySequence::Undo);
    // The desktop's own redo key, and Ctrl+Y as engineers coming from Windows expect.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys << QKeySequence(Qt::CTRL | Qt::Key_Y);
    redo->setShortcuts(redoKeys);
    undo->setIcon(commandIcon("undo"));
    redo->setIcon(commandIcon("redo"));
    undo->setStatusTip(QStringLiteral("Annulla l'ultima modifica della parete"));
    redo->setStatusTip(QStringLiteral("Ripete la modifica annullata"));
    actions_[CmdUndo] = undo;
    actions_[CmdRedo] = redo;
    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Modifica"));
    edit->addAction(undo);
    edit->addAction(redo);
}

void MainWindow::executeCommand(int id) {
    switch (id) {
    case CmdOpen:
        openCommand();
        state_.editMode = EditMode::None;
        break;
    case CmdSave:
        if (!wallLoaded())
            return;
        saveCommand();
        state_.editMode = EditMode::None;
        break;
    case CmdSaveAs:
        if (!wallLoaded())
            return;
        saveAsCommand();
        state_.editMode = EditMode::None;
        break;
    case CmdPreferences:
        state_.editMode = EditMode::None;
        showPreferences();
        redrawSheet();
        break;
    case CmdExit:
        close();
        break;
    case CmdZoomOut:
        zoomOutStep(view_);
        fitted_ = false;
        redrawSheet();
        break;
    case CmdZoomIn:
        zoomInStep(view_);
        fitted_ = false;
        redrawSheet();
        break;
    case CmdWholeSheet:
        copyToPreviousView(view_);
        fitSheet(view_, sheet_);
        fitted_ = true;
        redrawSheet();
        break;
    case CmdPan:
        armPan(tool_);
        break;
    case CmdPreviousView:
        swapPreviousView(view_);
        fitted_ = false;
        redrawSheet();
        break;
    case CmdZoomWindow:
        armZoomWindow(tool_);
        area_->bandChanged();
        break;
    case CmdInsertHorizontal:
        state_.editMode = EditMode::InsertHorizontal;
        break;
    case CmdInsertVertical:
        state_.editMode = EditMode::InsertVertical;
        break;
    case CmdDeleteSection:
        state_.editMode = EditMode::DeleteSection;
        break;
    case CmdOffsetLeft:
    case CmdOffsetRight:
        if (!wallLoaded())
            return;
        showBorderOffset(id == CmdOffsetLeft ? 1 : 0);
        break;
    case CmdTakeoff:
        state_.editMode = EditMode::None;
        if (!wallLoaded())
            return;
        state_.ReportFlag = 0;
        showTakeoff();
        break;
    case CmdPrint:
    case CmdExportSheetPdf:
        state_.editMode = EditMode::None;
        if (!wallLoaded())
            return;
        if (id == CmdPrint)
            printSheetOfWall(this, *prompts_, state_);
        else
            exportSheetPdfOfWall(this, *prompts_, state_);
        break;
    case CmdDxf:
        state_.editMode = EditMode::None;
        showDxfExport();
        break;
    case CmdAbout:
        showAbout();
        break;
    default:
        break;
    }
    showHint();
}

void MainWindow::showModes() {
    // The buttons of the armed tool and click mode stay pressed; the pointer shows them.
    const int t = tool_.ViewTool;
    const EditMode m = state_.editMode;
    actions_[CmdZoomWindow]->setChecked(t == kZoomFirstCorner || t == kZoomSecondCorner);
    actions_[CmdPan]->setChecked(t == kPanArmed || t == kPanning);
    actions_[CmdInsertHorizontal]->setChecked(m == EditMode::InsertHorizontal);
    actions_[CmdInsertVertical]->setChecked(m == EditMode::InsertVertical);
    actions_[CmdDeleteSection]->setChecked(m == EditMode::DeleteSection);
    if (t == kPanning)
        area_->setCursor(Qt::ClosedHandCursor);
    else if (t == kPanArmed)
        area_->setCursor(Qt::OpenHandCursor);
    else if (t == kZoomFirstCorner || t == kZoomSecondCorner)
        area_->setCursor(modeCursor("zoom"));
    else if (m == EditMode::InsertHorizontal)
        area_->setCursor(modeCursor("sezor"));
    else if (m == EditMode::InsertVertical)
        area_->setCursor(modeCursor("sezvr"));
    else if (m == EditMode::DeleteSection)
        area_->setCursor(modeCursor("sezcanc"));
    else
        area_->setCursor(Qt::CrossCursor);
}

void MainWindow::cancelModes() {
    if (tool_.ViewTool == kZoomFirstCorner || tool_.ViewTool == kZoomSecondCorner ||
        tool_.ViewTool == kPanArmed) {
        tool_.ViewTool = kNoTool;
        tool_.BandShown = false;
        area_->bandChanged();
    }
    state_.editMode = EditMode::None;
    showHint();
}

bool MainWindow::event(QEvent *e) {
    // Hovering a menu or button replaces the status bar text with its tip and clears it when
    // the pointer leaves; the hint of an armed mode comes back then.
    if (e->type() == QEvent::StatusTip && static_cast<QStatusTipEvent *>(e)->tip().isEmpty()) {
        showHint();
        return true;
    }
    return QMainWindow::event(e);
}

void MainWindow::showHint() {
    showModes();
    QString hint;
    if (tool_.ViewTool == kZoomFirstCorner)
        hint = QStringLiteral("Zoom: clic sul primo angolo della finestra");
    else if (tool_.ViewTool == kZoomSecondCorner)
        hint = QStringLiteral("Zoom: clic sul secondo angolo della finestra");
    else if (tool_.ViewTool == kPanArmed)
        hint = QStringLiteral("Trascina: premere e trascinare la tavola");
    else if (state_.editMode == EditMode::InsertHorizontal)
        hint = QStringLiteral("Clic sul prospetto alla quota della nuova sezione orizzontale");
    else if (state_.editMode == EditMode::InsertVertical)
        hint = QStringLiteral("Clic sul prospetto all'ascissa della nuova sezione verticale");
    else if (state_.editMode == EditMode::DeleteSection)
        hint = QStringLiteral("Clic sul segno della sezione da cancellare");
    // Only a hint is taken away; a message such as "Salvato: …" stays for its time.
    if (hint.isEmpty() && hintShown_)
        statusBar()->clearMessage();
    else if (!hint.isEmpty())
        statusBar()->showMessage(hint + QStringLiteral("  (Esc annulla)"));
    hintShown_ = !hint.isEmpty();
}

void MainWindow::showPointer(float x, float y) {
    if (!wallLoaded()) {
        pointerLabel_->clear();
        return;
    }
    pointerLabel_->setText(QStringLiteral("X = %1   Quota = %2")
                               .arg(view_.worldX(x) - elevationX(), 0, 'f', 1)
                               .arg(view_.worldY(y), 0, 'f', 1));
}

void MainWindow::keyPressEvent(QKeyEvent *e) {
    // Esc gives up a zoom window, an armed pan and a section click mode.
    if (e->key() == Qt::Key_Escape) {
        cancelModes();
        return;
    }
    // The arrows move the view by a tenth of its size, as a scroll bar step would.
    float fx = 0, fy = 0;
    switch (e->key()) {
    case Qt::Key_Left:
        fx = -0.1f;
        break;
    case Qt::Key_Right:
        fx = 0.1f;
        break;
    case Qt::Key_Up:
        fy = 0.1f;
        break;
    case Qt::Key_Down:
        fy = -0.1f;
        break;
    default:
        break;
    }
    if (fx != 0 || fy != 0) {
        panViewByFraction(view_, fx, fy);
        fitted_ = false;
        redrawSheet();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

// ---- open and save --------------------------------------------------------------------------

bool MainWindow::openWallFile(const QString &path) {
    Wall staged = state_.wall;
    LoadResult r = loadWall(path.toStdString(), staged);
    if (r.outcome == LoadOutcome::BandElement) {
        state_.wall.LoadStatus = -2;
        prompts_->warn(this, kWarningTitle, QString::fromUtf8(kBandElementText));
        return false;
    }
    if (!r.ok()) {
        prompts_->warn(this, kWarningTitle, qs(describeLoadError(r.error)));
        return false;
    }
    state_.wall = std::move(staged);
    state_.wall.LoadStatus = 0;
    // The edits of the wall before belong to it: a new wall starts with nothing to undo.
    undo_->clear();
    state_.document.CompanionSeen = fileStamp(companionPath(state_.wall.WallFile));
    state_.document.CompanionSetAside = r.companionSetAside;
    setModified(false);
    fillGrid();
    recent_->add(path);
    if (!r.companionProblem.empty())
        prompts_->warn(this, kWarningTitle, qs(r.companionProblem));
    return true;
}

void MainWindow::openCommand() {
    QString folder;
    if (!isUnnamedWall(state_.wall.WallFile))
        folder = QFileInfo(qs(normalisePath(state_.wall.WallFile))).absolutePath();
    else if (!DxfDataFolder.empty())
        folder = qs(DxfDataFolder);
    QString path = prompts_->openFileName(this, QStringLiteral("Apri"), folder, kFileFilter);
    if (path.isEmpty()) {
        state_.wall.LoadStatus = -1;
        return;
    }
    if (mayLeaveWall(path) && openWallFile(path))
        showOpenedWall();
}

void MainWindow::showOpenedWall() {
    updateTitle();
    fillGrid();
    copyToPreviousView(view_);
    computeExtentsAndFit();
    redrawSheet();
}

bool MainWindow::saveCommand() {
    if (isUnnamedWall(state_.wall.WallFile))
        return saveAsCommand();
    return saveToWallFile();
}

// Saves the companion of the current wall file, asking first when someone else wrote it since
// it was loaded, and keeping a copy of one the load could not use.
bool MainWindow::saveToWallFile() {
    const std::string path = state_.wall.WallFile;
    const std::string companion = companionPath(path);
    FileStamp now = fileStamp(companion);
    if (now.exists && !(now == state_.document.CompanionSeen) &&
        !prompts_->askYesNo(this, QStringLiteral("Salva"),
                            QStringLiteral("Il file %1 è stato modificato da un altro programma "
                                           "dopo l'apertura di questa parete.\n"
                                           "Sostituirlo con i dati mostrati?")
                                .arg(qs(fileTitle(companion))),
                            true))
        return false;
    std::string kept, why;
    bool keepOld = !state_.document.CompanionSetAside.empty() &&
                   state_.document.CompanionSetAside == companion;
    if (!saveCompanion(path, state_.wall, keepOld, &kept, &why)) {
        prompts_->warn(this, kWarningTitle, QString::fromUtf8(kPermissionText) + "\n\n" + qs(why));
        return false;
    }
    savedAs(path, kept);
    return true;
}

bool MainWindow::saveAsCommand() {
    std::string proposed =
        isUnnamedWall(state_.wall.WallFile) ? std::string("PAR001.PAR") : state_.wall.WallFile;
    if (isUnnamedWall(state_.wall.WallFile) && !DxfDataFolder.empty())
        proposed = DxfDataFolder + "/" + proposed;
    // The question about replacing names the companion, so the dialog does not ask its own.
    QString name = prompts_->saveFileName(this, QStringLiteral("Salva"), qs(proposed), kFileFilter,
                                          QStringLiteral("PAR"), false);
    if (name.isEmpty())
        return false;
    SaveAsPlan plan = planSaveAs(state_.wall, name.toStdString());
    if (plan.target == SaveAsTarget::SameWall)
        return saveToWallFile();
    if (!plan.question.empty() &&
        !prompts_->askYesNo(this, QStringLiteral("Salva con Nome"), qs(plan.question), true))
        return false;
    // The name is taken only when the files were written: a failed save changes nothing.
    std::string why;
    if (!saveWallAs(state_.wall, name.toStdString(), plan, &why)) {
        prompts_->warn(this, kWarningTitle, QString::fromUtf8(kPermissionText) + "\n\n" + qs(why));
        return false;
    }
    state_.document.CompanionSetAside.clear();
    savedAs(name.toStdString(), {});
    return true;
}

// After a successful save: the wall is named by the file saved and holds no unsaved changes.
void MainWindow::savedAs(const std::string &wallFile, const std::string &kept) {
    const std::string companion = companionPath(wallFile);
    state_.wall.WallFile = wallFile;
    state_.document.CompanionSeen = fileStamp(companion);
    if (state_.document.CompanionSetAside == companion)
        state_.document.CompanionSetAside.clear();
    undo_->setClean();
    recent_->add(qs(wallFile));
    setModified(false);
    QString text = QStringLiteral("Salvato: %1").arg(qs(companion));
    if (!kept.empty())
        text += QStringLiteral(" (il file precedente è conservato in %1)").arg(qs(kept));
    statusBar()->showMessage(text, 10000);
    emit wallSaved();
}

// Asks "Salva / Non salvare / Annulla" when the wall has unsaved changes. True when the caller
// may go on (saved, or changes given up); false keeps everything as it is.
bool MainWindow::maybeSaveChanges(const QString &title, const QString &text) {
    if (!wallLoaded() || !state_.document.Modified)
        return true;
    switch (prompts_->askSaveChanges(this, title, text)) {
    case SaveChoice::Save:
        return saveCommand();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

bool MainWindow::mayLeaveWall(const QString &next) {
    return maybeSaveChanges(QStringLiteral("Apri"),
                            QStringLiteral("Le modifiche a %1 non sono state salvate.\n"
                                           "Vuoi salvarle prima di aprire %2?")
                                .arg(qs(fileTitle(state_.wall.WallFile)),
                                     qs(fileTitle(next.toStdString()))));
}

void MainWindow::closeEvent(QCloseEvent *e) {
    // Only unsaved changes are worth a question; Annulla keeps the program open.
    if (!maybeSaveChanges(QStringLiteral("Uscita dal programma"),
                          QStringLiteral("Vuoi salvare prima di uscire?"))) {
        e->ignore();
        return;
    }
    e->accept();
}

// ---- dialogs --------------------------------------------------------------------------------

void MainWindow::showPreferences() {
    const float lap = state_.wall.LapFactor;
    const int tie = state_.wall.TieDiameter;
    PreferencesDialog dialog(
        state_, *prompts_, [this] { redrawSheet(); }, this);
    dialog.exec();
    // The lap factor and tie diameter are saved with the wall. They are not on the undo
    // stack, so undoing the wall's edits must not bring back the "saved" state either.
    if (wallLoaded() && (lap != state_.wall.LapFactor || tie != state_.wall.TieDiameter)) {
        undo_->resetClean();
        setModified(true);
    }
}

void MainWindow::showBorderOffset(int side) {
    state_.OffsetSide = side;
    editWall([&] {
        BorderOffsetDialog dialog(state_.wall, side ? BorderSide::Left : BorderSide::Right,
                                  *prompts_, this);
        dialog.exec();
        return side ? QStringLiteral("offset del bordo sinistro")
                    : QStringLiteral("offset del bordo destro");
    });
    sheet_ = computeSheetExtents(state_.wall);
    redrawSheet();
    fillGrid();
}

void MainWindow::showTakeoff() {
    TakeoffDialog dialog(state_, {}, *prompts_, ReportFileName, this);
    dialog.exec();
}

void MainWindow::showDxfExport() {
    std::string current = QDir::currentPath().toStdString();
    std::string start = dxfStartFolder(state_.wall.WallFile, recentDrawingsFolder(), current);
    if (isUnnamedWall(state_.wall.WallFile) && !DxfDataFolder.empty())
        start = DxfDataFolder;
    DxfDialog dialog({state_, *prompts_, dxfSession, ReportFileName, start}, this);
    dialog.exec();
    DxfDataFolder = dialog.dataFolder().toStdString();
    // The export may have changed the layer names, colours and scale; the wall is untouched.
    redrawSheet();
}

void MainWindow::showAbout() {
    SplashDialog splash(this);
    splash.exec();
}

// ---- grid -----------------------------------------------------------------------------------

QString MainWindow::gridEdited(int id, const QString &text) {
    GridEditResult r;
    QTreeWidgetItem *item = grid_->itemById(id);
    QString name = QStringLiteral("modifica ") + (item ? item->text(0) : QString::number(id));
    editWall([&] {
        r = applyGridEdit(state_.wall, id, text.toStdString());
        return name;
    });
    if (r.followUp == GridFollowUp::FitAndRedraw)
        computeExtentsAndFit();
    sections_->fill(state_.wall);
    redrawSheet();
    if (!r.accepted && !r.refusal.empty())
        prompts_->warn(this, kWarningTitle, qs(r.refusal));
    return qs(r.shownText);
}

// ---- edits and undo -------------------------------------------------------------------------

bool MainWindow::editWall(const std::function<QString()> &edit) {
    return recordWallEdit(*undo_, state_.wall, edit, [this] { wallEdited(); });
}

namespace {
// "inserimento sezione 3", "inserimento sezione B": the name of the cut an insertion made.
QString insertionName(const Wall &before, const Wall &after, bool horizontal) {
    int k = horizontal ? firstDifference(before.HorizSections, after.HorizSections)
                       : firstDifference(before.VertSections, after.VertSections);
    return QStringLiteral("inserimento sezione ") +
           QString::fromStdString(horizontal ? std::to_string(k + 1) : vertSectionName(k));
}
} // namespace

void MainWindow::wallEdited() {
    // An edit undone or redone: the sheet, the grid and the list show the wall again; a view
    // that showed the whole sheet keeps showing it.
    sheet_ = computeSheetExtents(state_.wall);
    if (fitted_)
        fitSheet(view_, sheet_);
    fillGrid();
    redrawSheet();
}

void MainWindow::warnTableFull(bool horizontal) {
    prompts_->warn(this, kWarningTitle,
                   horizontal ? QStringLiteral("La parete ha già %1 sezioni orizzontali: "
                                               "non se ne possono aggiungere altre.")
                                    .arg(kMaxHorizSections)
                              : QStringLiteral("La parete ha già %1 sezioni verticali: "
                                               "non se ne possono aggiungere altre.")
                                    .arg(kMaxVertSections));
}

// ---- section list ---------------------------------------------------------------------------

void MainWindow::buildSectionList() {
    sections_ = new SectionListDock(this);
    addDockWidget(Qt::RightDockWidgetArea, sections_);
    resizeDocks({sections_}, {250}, Qt::Horizontal);
    sections_->onAdd = [this](bool h, const QString &text) { addSectionByNumber(h, text); };
    sections_->onMove = [this](bool h, int k, const QString &text) {
        moveSectionByNumber(h, k, text);
    };
    sections_->onDelete = [this](const std::vector<SectionHit> &cuts) {
        deleteListedSections(cuts);
    };
    sections_->onSelected = [this](std::optional<SectionHit> cut) { area_->setHighlight(cut); };
}

bool MainWindow::readCutValue(bool horizontal, const QString &text, float &value) {
    // The value must be a number that cuts the wall, as a click must lie on the elevation.
    CutRange r = horizontal ? horizontalCutRange(state_.wall) : verticalCutRange(state_.wall);
    QString what = horizontal ? QStringLiteral("La quota") : QStringLiteral("L'ascissa");
    if (!tryParseNumber(text.trimmed().toStdString(), value) || !std::isfinite(value)) {
        prompts_->warn(this, kWarningTitle,
                       QStringLiteral("%1 \"%2\" non è un numero.").arg(what, text));
        return false;
    }
    if (!wallLoaded() || !(r.low < value && value < r.high)) {
        prompts_->warn(this, kWarningTitle,
                       QStringLiteral("%1 %2 non taglia la parete: deve stare tra %3 e %4 cm, "
                                      "estremi esclusi.")
                           .arg(what, qs(formatNumber(value, 1)), qs(formatNumber(r.low, 1)),
                                qs(formatNumber(r.high, 1))));
        return false;
    }
    return true;
}

void MainWindow::addSectionByNumber(bool horizontal, const QString &text) {
    float v = 0;
    if (!readCutValue(horizontal, text, v))
        return;
    InsertResult result = InsertResult::Inserted;
    editWall([&] {
        Wall before = state_.wall;
        result = horizontal ? insertHorizontalSection(state_.wall, v)
                            : insertVerticalSection(state_.wall, v);
        return insertionName(before, state_.wall, horizontal);
    });
    if (result == InsertResult::TableFull)
        warnTableFull(horizontal);
    else
        sections_->newValueBox(horizontal)->clear();
    wallEdited();
}

void MainWindow::moveSectionByNumber(bool horizontal, int index, const QString &text) {
    float v = 0;
    if (readCutValue(horizontal, text, v))
        editWall([&] {
            if (horizontal)
                moveHorizontalSection(state_.wall, index, v);
            else
                moveVerticalSection(state_.wall, index, v);
            return QStringLiteral("spostamento sezione ") +
                   QString::fromStdString(horizontal ? std::to_string(index + 1)
                                                     : vertSectionName(index));
        });
    // Refused or moved, the list shows the wall's values again.
    wallEdited();
}

void MainWindow::deleteListedSections(const std::vector<SectionHit> &cuts) {
    editWall([&] { return deleteByQuestion(cuts); });
    wallEdited();
}

// ---- mouse ----------------------------------------------------------------------------------

void MainWindow::applyToolOutcome(const ToolOutcome &o) {
    if (o.cursor != ToolCursor::Unchanged)
        showModes();
    if (o.redraw) {
        fitted_ = false;
        redrawSheet();
    } else if (o.bandChanged) {
        area_->bandChanged();
    }
}

void MainWindow::mousePressed(int button, float x, float y) {
    applyToolOutcome(viewMouseDown(tool_, view_, button, x, y));
    sectionClick();
    showHint();
}

void MainWindow::mouseMoved(int buttons, float x, float y) {
    applyToolOutcome(viewMouseMove(tool_, view_, buttons, x, y));
    showPointer(x, y);
}

void MainWindow::mouseReleased(int button, float x, float y) {
    applyToolOutcome(viewMouseUp(tool_, view_, button, x, y));
    showHint();
}

void MainWindow::wheelTurned(bool up, float x, float y) {
    // Steps less than half a second apart are one burst: "Vista precedente" goes back to the
    // view before the whole burst, not one notch.
    bool startsBurst = !wheelClock_.isValid() || wheelClock_.elapsed() > 500;
    wheelClock_.restart();
    if (mouseWheelStep(view_, up, x, y, startsBurst)) {
        fitted_ = false;
        redrawSheet();
    }
}

void MainWindow::sectionClick() {
    EditMode mode = state_.editMode;
    if (mode == EditMode::None)
        return;
    Wall &w = state_.wall;
    if (mode == EditMode::InsertHorizontal || mode == EditMode::InsertVertical) {
        bool horizontal = mode == EditMode::InsertHorizontal;
        InsertResult result = InsertResult::Inserted;
        editWall([&] {
            Wall before = w;
            result = horizontal
                         ? insertHorizontalSection(w, view_.worldY(tool_.MouseY))
                         : insertVerticalSection(w, view_.worldX(tool_.MouseX) - elevationX());
            return insertionName(before, w, horizontal);
        });
        if (result == InsertResult::TableFull)
            warnTableFull(horizontal);
    } else if (mode == EditMode::DeleteSection) {
        PixelTransform toPixels{[this](float x) { return view_.screenX(x); },
                                [this](float y) { return view_.screenY(y); }};
        auto hits = sectionsUnderPointer(w, elevationX(), tool_.MouseX, tool_.MouseY, toPixels);
        editWall([&] { return deleteByQuestion(hits); });
    }
    sheet_ = computeSheetExtents(w);
    state_.editMode = EditMode::None;
    fillGrid();
    redrawSheet();
}

QString MainWindow::deleteByQuestion(const std::vector<SectionHit> &cuts) {
    // Each cut is offered with the delete question; the command is named after the cuts deleted.
    std::vector<QString> deleted;
    deleteSections(state_.wall, cuts, [&](const SectionHit &h) {
        bool yes = prompts_->askYesNo(this, QStringLiteral("Cancella sezione"),
                                      qs(deleteSectionQuestion(h)), true);
        if (yes)
            deleted.push_back(QString::fromStdString(
                h.horizontal ? std::to_string(h.index + 1) : vertSectionName(h.index)));
        return yes;
    });
    if (deleted.size() == 1)
        return QStringLiteral("cancellazione sezione ") + deleted[0];
    return QStringLiteral("cancellazione sezioni");
}

} // namespace murcad::app
