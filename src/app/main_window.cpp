// Main window: start-up, commands and their guards, mouse and wheel, grid edits, save on exit.
#include "main_window.h"

#include "app_icons.h"
#include "border_offset_dialog.h"
#include "command_table.h"
#include "drawing_area.h"
#include "dxf_dialog.h"
#include "preferences_dialog.h"
#include "property_panel.h"
#include "splash_dialog.h"
#include "takeoff_dialog.h"

#include "drawings/sheet.h"
#include "geometry/section_pick.h"
#include "model/command_line.h"
#include "model/companion_file.h"
#include "model/folders.h"
#include "model/property_grid.h"
#include "model/settings_file.h"
#include "model/wall_file.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

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
    area_->onWheel = [this](bool up) { wheelTurned(up); };
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

    placeWindow(options.usePlacementStore);
    readSettingsFile();
    buildCommands();
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
    LoadError error;
    SettingsSource source = readSettings(state_.ProfileFolder, values, &error);
    state_.layers = values.Layers;
    state_.wall.LapFactor = values.LapFactor;
    state_.wall.ExtraOption = values.ExtraOption;
    if (source == SettingsSource::DefaultsUnreadable)
        prompts_->warn(this, kWarningTitle,
                       "Impostazioni predefinite: il file delle impostazioni non si legge.\n" +
                           qs(describeLoadError(error)));
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
        connect(a, &QAction::triggered, this, [this, id] { executeCommand(id); });
        actions_[id] = a;
    }
    actions_[CmdOpen]->setShortcut(QKeySequence::Open);
    actions_[CmdSave]->setShortcut(QKeySequence::Save);
    actions_[CmdSaveAs]->setShortcut(QKeySequence::SaveAs);
    actions_[CmdExit]->setShortcut(QKeySequence::Quit);
    actions_[CmdZoomIn]->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::Key_Plus)});
    actions_[CmdZoomOut]->setShortcuts({QKeySequence::ZoomOut, QKeySequence(Qt::Key_Minus)});
    actions_[CmdWholeSheet]->setShortcut(QKeySequence(Qt::Key_Home));
    actions_[CmdPreviousView]->setShortcut(QKeySequence(Qt::Key_Backspace));

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    for (int id : fileMenuLayout()) {
        if (id == 0)
            file->addSeparator();
        else
            file->addAction(actions_[id]);
    }
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
}

void MainWindow::updateTitle() {
    setWindowTitle(qs(mainWindowTitle(isUnnamedWall(state_.wall.WallFile) ? std::string()
                                                                          : state_.wall.WallFile)));
}

void MainWindow::fillGrid() {
    grid_->fill(state_.wall);
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
        area_->setCursor(Qt::OpenHandCursor);
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

void MainWindow::showHint() {
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
    if (hint.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(hint + QStringLiteral("  (Esc annulla)"));
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
        if (tool_.ViewTool == kZoomFirstCorner || tool_.ViewTool == kZoomSecondCorner ||
            tool_.ViewTool == kPanArmed) {
            tool_.ViewTool = kNoTool;
            tool_.BandShown = false;
            area_->bandChanged();
        }
        state_.editMode = EditMode::None;
        showHint();
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
    fillGrid();
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
    if (!openWallFile(path))
        return;
    updateTitle();
    fillGrid();
    copyToPreviousView(view_);
    computeExtentsAndFit();
    redrawSheet();
}

bool MainWindow::writeCompanion(const std::string &path) {
    std::string why;
    if (writeCompanionFile(path, state_.wall, &why))
        return true;
    QString text = QString::fromUtf8(kPermissionText);
    if (!why.empty())
        text += "\n\n" + qs(why);
    prompts_->warn(this, kWarningTitle, text);
    return false;
}

void MainWindow::saveCommand() {
    if (isUnnamedWall(state_.wall.WallFile))
        saveAsCommand();
    else
        writeCompanion(state_.wall.WallFile);
}

void MainWindow::saveAsCommand() {
    std::string proposed =
        isUnnamedWall(state_.wall.WallFile) ? std::string("PAR001.PAR") : state_.wall.WallFile;
    if (isUnnamedWall(state_.wall.WallFile) && !DxfDataFolder.empty())
        proposed = DxfDataFolder + "/" + proposed;
    QString name = prompts_->saveFileName(this, QStringLiteral("Salva"), qs(proposed), kFileFilter,
                                          QStringLiteral("PAR"));
    if (name.isEmpty())
        return;
    // The name is taken only when the companion was written: a failed save changes nothing.
    if (writeCompanion(name.toStdString())) {
        state_.wall.WallFile = name.toStdString();
        updateTitle();
    }
}

void MainWindow::closeEvent(QCloseEvent *e) {
    // Only a loaded wall has anything to save; asking with an empty model could write an
    // empty companion over a good one.
    if (wallLoaded() && prompts_->askYesNo(this, QStringLiteral("Uscita dal programma"),
                                           QStringLiteral("Vuoi salvare prima di uscire?")))
        saveCommand();
    e->accept();
}

// ---- dialogs --------------------------------------------------------------------------------

void MainWindow::showPreferences() {
    PreferencesDialog dialog(
        state_, *prompts_, [this] { redrawSheet(); }, this);
    dialog.exec();
}

void MainWindow::showBorderOffset(int side) {
    state_.OffsetSide = side;
    BorderOffsetDialog dialog(state_.wall, side ? BorderSide::Left : BorderSide::Right, *prompts_,
                              this);
    dialog.exec();
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
    GridEditResult r = applyGridEdit(state_.wall, id, text.toStdString());
    if (r.followUp == GridFollowUp::FitAndRedraw)
        computeExtentsAndFit();
    redrawSheet();
    return qs(r.shownText);
}

// ---- mouse ----------------------------------------------------------------------------------

void MainWindow::applyToolOutcome(const ToolOutcome &o) {
    if (o.cursor != ToolCursor::Unchanged)
        area_->setPanCursor(o.cursor == ToolCursor::Pan);
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

void MainWindow::wheelTurned(bool up) {
    if (mouseWheelStep(view_, up)) {
        fitted_ = false;
        redrawSheet();
    }
}

void MainWindow::sectionClick() {
    EditMode mode = state_.editMode;
    if (mode == EditMode::None)
        return;
    Wall &w = state_.wall;
    if (mode == EditMode::InsertHorizontal) {
        if (insertHorizontalSection(w, view_.worldY(tool_.MouseY)) == InsertResult::TableFull)
            prompts_->warn(this, kWarningTitle,
                           QStringLiteral("La parete ha già %1 sezioni orizzontali: "
                                          "non se ne possono aggiungere altre.")
                               .arg(kMaxHorizSections));
    } else if (mode == EditMode::InsertVertical) {
        if (insertVerticalSection(w, view_.worldX(tool_.MouseX) - elevationX()) ==
            InsertResult::TableFull)
            prompts_->warn(this, kWarningTitle,
                           QStringLiteral("La parete ha già %1 sezioni verticali: "
                                          "non se ne possono aggiungere altre.")
                               .arg(kMaxVertSections));
        sheet_ = computeSheetExtents(w);
    } else if (mode == EditMode::DeleteSection) {
        PixelTransform toPixels{[this](float x) { return view_.screenX(x); },
                                [this](float y) { return view_.screenY(y); }};
        auto hits = sectionsUnderPointer(w, elevationX(), tool_.MouseX, tool_.MouseY, toPixels);
        deleteSections(w, hits, [this](const SectionHit &h) {
            return prompts_->askYesNo(this, QStringLiteral("Cancella sezione"),
                                      qs(deleteSectionQuestion(h)), true);
        });
        sheet_ = computeSheetExtents(w);
    }
    state_.editMode = EditMode::None;
    redrawSheet();
}

} // namespace murcad::app
