// The main window: menu bar, "Standard" toolbar, drawing area, property grid and the commands.
#pragma once

#include "dxf/dxf_export.h"
#include "geometry/section_pick.h"
#include "geometry/view.h"
#include "geometry/view_tool.h"
#include "model/app_state.h"
#include "prompts.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QToolBar;
class QUndoStack;

namespace murcad::app {

class ChecksPanel;
class DrawingArea;
class PropertyPanel;
class RecentFilesMenu;
class SectionListDock;

/// What start-up needs to know: the command line and the folders.
struct StartupOptions {
    QString commandLine;           ///< the wall data file named on the command line, maybe quoted
    std::string hostFolder;        ///< folder of the executables and DXF templates
    std::string profileFolder;     ///< folder of the settings file
    bool usePlacementStore = true; ///< read the window placement from the per-user store
    QString recentFilesStore;      ///< INI file of the recent walls; empty: the per-user store
    std::string userProfileFile;   ///< the user's preferences file; empty: userProfilePath()
};

/// The one main window. All commands go through executeCommand; the view, the mouse tools and
/// the wall live here for the whole run.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const StartupOptions &options, std::unique_ptr<Prompts> prompts = {},
                        QWidget *parent = nullptr);
    ~MainWindow() override;

    /// The dispatcher: runs the command with an id; unknown ids do nothing.
    void executeCommand(int id);

    /// Loads a wall data file as the open command does once a name is chosen. Returns true
    /// when the wall was loaded; otherwise the wall, title, grid and view stay as they were.
    bool openWallFile(const QString &path);
    /// True when a wall is loaded (it has storeys).
    bool wallLoaded() const;

    /// Unsaved changes: an edit of the wall sets it, a save or an open clears it. The window
    /// title shows "*" while it is set; leaving or opening another wall asks only then.
    bool isModified() const { return state_.document.Modified; }
    void setModified(bool modified);

    AppState &state() { return state_; }
    ViewWindow &view() { return view_; }
    const SheetExtents &sheetExtents() const { return sheet_; }
    ViewToolData &tool() { return tool_; }
    DrawingArea *drawingArea() const { return area_; }
    PropertyPanel *propertyPanel() const { return grid_; }
    SectionListDock *sectionList() const { return sections_; }
    RecentFilesMenu *recentFiles() const { return recent_; }
    /// The edits of the wall since it was opened; clean when they are all saved.
    QUndoStack *undoStack() const { return undo_; }
    ChecksPanel *checksPanel() const { return checks_; }
    QAction *action(int id) const;
    QToolBar *toolbar() const { return toolbar_; }
    Prompts &prompts() { return *prompts_; }
    void setPrompts(std::unique_ptr<Prompts> p);

    /// The x of the elevation's reference axis of the sheet now shown.
    float elevationX() const;
    /// Redraws the sheet from the model and runs the detailing checks again.
    void redrawSheet();
    /// Sheet extents from the model, then the whole sheet in the box.
    void computeExtentsAndFit();

    /// Folder proposed by the DXF export; the last DXF and report file names of this run.
    std::string DxfDataFolder;
    DxfSession dxfSession;
    std::string ReportFileName;

signals:
    /// The wall was saved (its companion written): what is shown is what the files hold.
    void wallSaved();

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    void buildCommands();
    void placeWindow(bool usePlacementStore);
    void readSettingsFile();
    void startWithCommandLine(const QString &commandLine);
    void updateTitle();
    void fillGrid();
    QString gridEdited(int id, const QString &text);

    void openCommand();
    bool saveCommand();
    bool saveAsCommand();
    bool saveToWallFile();
    bool maybeSaveChanges(const QString &title, const QString &text);
    bool mayLeaveWall(const QString &next);
    void savedAs(const std::string &wallFile, const std::string &kept);
    void showPreferences();
    void showBorderOffset(int side);
    void showTakeoff();
    void showDxfExport();
    void showAbout();

    void mousePressed(int button, float x, float y);
    void mouseMoved(int buttons, float x, float y);
    void mouseReleased(int button, float x, float y);
    void wheelTurned(bool up, float x, float y);
    void applyToolOutcome(const ToolOutcome &o);
    void sectionClick();
    void showHint();
    void showPointer(float x, float y);
    void showModes();
    void cancelModes();

    void buildEditMenu();
    void buildSectionList();
    bool editWall(const std::function<QString()> &edit);
    void showOpenedWall();
    void wallEdited();
    void addSectionByNumber(bool horizontal, const QString &text);
    void moveSectionByNumber(bool horizontal, int index, const QString &text);
    void deleteListedSections(const std::vector<SectionHit> &cuts);
    bool readCutValue(bool horizontal, const QString &text, float &value);
    void warnTableFull(bool horizontal);
    QString deleteByQuestion(const std::vector<SectionHit> &cuts);
    void refreshChecks();

    AppState state_;
    ViewWindow view_;
    SheetExtents sheet_;
    ViewToolData tool_;
    bool fitted_ = true; ///< the view shows the fitted sheet (refit when the box changes size)
    bool hintShown_ = false; ///< the status bar shows a mouse-mode hint
    std::unique_ptr<Prompts> prompts_;
    DrawingArea *area_ = nullptr;
    PropertyPanel *grid_ = nullptr;
    ChecksPanel *checks_ = nullptr;
    Wall checkedWall_;               ///< the wall the checks shown were run on
    DetailingLimits checkedLimits_;  ///< and their limits
    QToolBar *toolbar_ = nullptr;
    QLabel *pointerLabel_ = nullptr;
    QUndoStack *undo_ = nullptr;
    SectionListDock *sections_ = nullptr;
    RecentFilesMenu *recent_ = nullptr;
    QString recentStore_;
    QElapsedTimer wheelClock_; ///< time of the last wheel step (steps close together are one burst)
    std::map<int, QAction *> actions_;
};

} // namespace murcad::app
