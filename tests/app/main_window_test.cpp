// GUI tests of the main window: start-up, title, commands and their guards, view navigation.
#include "gui_test_support.h"

#include "command_table.h"
#include "drawing_area.h"
#include "property_panel.h"

#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

using namespace murcad;
using namespace murcad::app;
using namespace murcad::app::testing;

static ::testing::Environment *const qtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

namespace {
const char *kExample = "realistic_10_storeys.PAR";

bool sameView(const ViewWindow &a, const ViewWindow &b) {
    return a.ViewLeft == b.ViewLeft && a.ViewRight == b.ViewRight && a.ViewBottom == b.ViewBottom &&
           a.ViewTop == b.ViewTop;
}
} // namespace

TEST(MainWindowStart, WallOnTheCommandLineIsLoadedShownAndTitled) {
    WindowUnderTest w(QString::fromStdString("\"" + examplePath(kExample) + "\""));
    ASSERT_TRUE(w->wallLoaded());
    EXPECT_EQ(w->windowTitle(), QString("MURCAD Vavire -  [ %1 ]").arg(kExample));
    // The grid: two wall items and three per storey.
    PropertyPanel *grid = w->propertyPanel();
    ASSERT_NE(grid->itemById(10), nullptr);
    EXPECT_EQ(grid->topLevelItem(0)->childCount(), 2 + 3 * w->state().wall.storeyCount());
    // The sheet is fitted: its extents lie inside the view.
    const ViewWindow &v = w->view();
    const SheetExtents &s = w->sheetExtents();
    EXPECT_LE(v.ViewLeft, s.SheetLeft + 0.01f);
    EXPECT_GE(v.ViewTop, s.SheetTop - 0.01f);
    EXPECT_TRUE(w.prompts->warnings.empty());
}

TEST(MainWindowStart, MissingFileOrNameWithoutParStartsEmpty) {
    WindowUnderTest missing("/nessuna/cartella/P1.PAR");
    EXPECT_FALSE(missing->wallLoaded());
    EXPECT_EQ(missing->windowTitle(), QString("MURCAD Vavire -  [ Anonimo ]"));
    EXPECT_TRUE(missing.prompts->warnings.empty()); // dropped silently

    QTemporaryDir dir;
    QString other = dir.filePath("parete.txt");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(examplePath(kExample)), other));
    WindowUnderTest noPar(other);
    EXPECT_FALSE(noPar->wallLoaded());
}

TEST(MainWindowStart, BandElementIsReportedAndNothingIsLoaded) {
    WindowUnderTest w(QString::fromStdString(examplePath("band_element.PAR")));
    EXPECT_FALSE(w->wallLoaded());
    ASSERT_EQ(w.prompts->warnings.size(), 1u);
    EXPECT_EQ(w.prompts->warnings[0], QString("Elemento di fascia attulmente non gestito."));
}

TEST(MainWindowCommands, MenuAndToolbarHoldTheCommandsInOrder) {
    WindowUnderTest w;
    QList<QAction *> menus = w->menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), QString("&File"));
    EXPECT_EQ(menus[1]->text(), QString("&Modifica"));
    EXPECT_EQ(menus[2]->text(), QString("&Genera file DXF"));
    EXPECT_EQ(menus[3]->text(), QString("&Informazioni su..."));
    QStringList file; // what shows without recent files
    for (QAction *a : menus[0]->menu()->actions())
        if (a->isVisible())
            file << (a->isSeparator() ? QString("|") : a->text());
    EXPECT_EQ(file, QStringList({"&Apri", "&Salva", "Salva con &Nome", "|", "S&tampa...",
                                 "Esporta tavola &PDF...", "|", "&Impostazioni", "|",
                                 "Esporta IFC...", "&Esci"}));
    EXPECT_EQ(w->toolbar()->windowTitle(), QString("Standard"));
    QStringList tools;
    for (QAction *a : w->toolbar()->actions())
        tools << (a->isSeparator() ? QString("|") : a->text());
    EXPECT_EQ(tools,
              QStringList({"&Apri", "&Salva", "&Impostazioni", "|", "Annulla", "Ripeti", "|",
                           "Zoom", "Vista precedente",
                           "Vista totale", "Avvicina", "Allontana", "Trascina", "|",
                           "Inserisci sezione orizzontale", "Inserisci sezione verticale",
                           "Cancella sezione", "Offset del bordo a sinistra",
                           "Offset del bordo a destra", "|", "Computo materiali"}));
    for (QAction *a : w->toolbar()->actions())
        if (!a->isSeparator())
            EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
}

TEST(MainWindowCommands, CommandsThatNeedAWallDoNothingWithout) {
    WindowUnderTest w;
    w->state().editMode = EditMode::InsertHorizontal;
    w->executeCommand(CmdTakeoff); // resets the mode, opens nothing
    EXPECT_EQ(w->state().editMode, EditMode::None);
    for (int id : {CmdSave, CmdSaveAs, CmdOffsetLeft, CmdOffsetRight})
        w->executeCommand(id);
    EXPECT_TRUE(w.prompts->saveTitles.empty());
    w->executeCommand(999); // unknown ids do nothing
}

TEST(MainWindowCommands, ExportIfcWritesTheWallOnScreenWithItsUnsavedChanges) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    ASSERT_TRUE(w->wallLoaded());
    QAction *ifc = w->findChild<QAction *>("EsportaIfc");
    ASSERT_NE(ifc, nullptr);
    QTemporaryDir dir;
    w->state().wall.Storeys[0].OffsetLeft = 37; // not saved: the export still shows it
    w.prompts->saveAnswer = dir.filePath("parete.ifc");
    ifc->trigger();
    ASSERT_EQ(w.prompts->saveTitles.size(), 1u);
    EXPECT_EQ(w.prompts->saveTitles[0], QString("Esporta IFC"));
    EXPECT_TRUE(w.prompts->saveProposals[0].endsWith(".ifc"));
    QFile f(dir.filePath("parete.ifc"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray text = f.readAll();
    const Storey &s = w->state().wall.Storeys[0];
    QByteArray width = QByteArray::number((s.Length + s.OffsetLeft + s.OffsetRight) / 100.0);
    EXPECT_TRUE(text.contains("IFCQUANTITYLENGTH('Length',$,$," + width)) << width.constData();
    ASSERT_EQ(w.prompts->warnings.size(), 1u);
    EXPECT_TRUE(w.prompts->warnings[0].startsWith("File IFC scritto: "));
    // Cancelling the dialog writes nothing and says nothing.
    w.prompts->saveAnswer.clear();
    ifc->trigger();
    EXPECT_EQ(w.prompts->warnings.size(), 1u);
}

TEST(MainWindowCommands, SaveOnAnUnnamedWallAsksForANameLikeSaveAs) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    ASSERT_TRUE(w->wallLoaded());
    QTemporaryDir dir;
    QString target = dir.filePath("P7.PAR");
    ASSERT_TRUE(QFile::copy(QString::fromStdString(examplePath(kExample)), target));
    w->state().wall.WallFile = "Anonimo";
    w->state().editMode = EditMode::DeleteSection;
    w.prompts->saveAnswer = target;
    w.prompts->answer = [](const QString &q) { return q.startsWith("Il file P7.wpx sarà"); };
    w->executeCommand(CmdSave);
    ASSERT_EQ(w.prompts->saveTitles.size(), 1u);
    EXPECT_EQ(w.prompts->saveTitles[0], QString("Salva"));
    EXPECT_TRUE(w.prompts->saveProposals[0].endsWith("PAR001.PAR"));
    EXPECT_EQ(w->state().wall.WallFile, target.toStdString());
    EXPECT_EQ(w->windowTitle(), QString("MURCAD Vavire -  [ P7.PAR ]"));
    EXPECT_TRUE(QFile::exists(dir.filePath("P7.wpx")));
    EXPECT_EQ(w->state().editMode, EditMode::None);
    // A named wall is saved without a dialog.
    w->executeCommand(CmdSave);
    EXPECT_EQ(w.prompts->saveTitles.size(), 1u);
}

TEST(MainWindowCommands, FailedSaveAsKeepsTheNameAndSaysWhy) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    std::string before = w->state().wall.WallFile;
    w.prompts->saveAnswer = "/nessuna/cartella/P9.PAR";
    w->executeCommand(CmdSaveAs);
    ASSERT_EQ(w.prompts->warnings.size(), 1u);
    EXPECT_TRUE(w.prompts->warnings[0].startsWith("Il programma sta cercando di operare"));
    EXPECT_EQ(w->state().wall.WallFile, before);
}

TEST(MainWindowCommands, OpenLoadsTheChosenFileAndCancelKeepsTheWall) {
    WindowUnderTest w;
    w.prompts->openAnswer = QString::fromStdString(examplePath("offsets.PAR"));
    w->executeCommand(CmdOpen);
    ASSERT_TRUE(w->wallLoaded());
    EXPECT_EQ(w->windowTitle(), QString("MURCAD Vavire -  [ offsets.PAR ]"));
    int storeys = w->state().wall.storeyCount();
    w.prompts->openAnswer.clear();
    w->executeCommand(CmdOpen);
    EXPECT_EQ(w->state().wall.storeyCount(), storeys);
    EXPECT_EQ(w->state().wall.LoadStatus, -1);
}

TEST(MainWindowCommands, ClosingAsksWhetherToSaveOnlyAfterChanges) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    w->close();
    EXPECT_TRUE(w.prompts->saveChangesQuestions.empty());
    EXPECT_FALSE(w->isVisible());
    w->show();
    w->setModified(true);
    w.prompts->saveChanges = SaveChoice::Cancel;
    w->close();
    ASSERT_EQ(w.prompts->saveChangesQuestions.size(), 1u);
    EXPECT_EQ(w.prompts->questionTitles.back(), QString("Uscita dal programma"));
    EXPECT_EQ(w.prompts->saveChangesQuestions[0], QString("Vuoi salvare prima di uscire?"));
    EXPECT_TRUE(w->isVisible()); // "Annulla" keeps the program open
}

TEST(MainWindowView, PreviousViewTwiceReturnsAndFollowsTheFit) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    ViewWindow start = w->view();
    w->executeCommand(CmdZoomIn);
    w->executeCommand(CmdZoomIn);
    ViewWindow zoomed = w->view();
    EXPECT_FALSE(sameView(zoomed, start));
    w->executeCommand(CmdPreviousView);
    w->executeCommand(CmdPreviousView);
    EXPECT_TRUE(sameView(w->view(), zoomed));
    w->executeCommand(CmdWholeSheet);
    w->executeCommand(CmdPreviousView); // back to the view before the fit
    EXPECT_TRUE(sameView(w->view(), zoomed));
}

TEST(MainWindowView, ZoomWindowOfTenPixelsIsIgnoredThenALargerOneZooms) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    DrawingArea *area = w->drawingArea();
    ViewWindow start = w->view();
    w->executeCommand(CmdZoomWindow);
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(area, QPoint(105, 300));
    EXPECT_TRUE(w->tool().BandShown);
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(110, 300)); // 10 px wide
    EXPECT_TRUE(sameView(w->view(), start));
    EXPECT_EQ(w->tool().ViewTool, kZoomSecondCorner);
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(300, 300));
    EXPECT_FALSE(sameView(w->view(), start));
    EXPECT_GT(w->view().ViewScale, start.ViewScale);
    EXPECT_EQ(w->tool().ViewTool, kNoTool);
}

TEST(MainWindowView, MiddleDragPansByRedrawingFromTheModel) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    DrawingArea *area = w->drawingArea();
    area->renderNow();
    int redraws = area->redrawCount();
    ViewWindow start = w->view();
    QTest::mousePress(area, Qt::MiddleButton, {}, QPoint(400, 400));
    QMouseEvent move(QEvent::MouseMove, QPointF(450, 380), area->mapToGlobal(QPointF(450, 380)),
                     Qt::NoButton, Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QTest::mouseRelease(area, Qt::MiddleButton, {}, QPoint(450, 380));
    QApplication::processEvents();
    float scale = start.ViewScale;
    EXPECT_NEAR(w->view().ViewLeft, start.ViewLeft - 50 / scale, 0.01);
    EXPECT_NEAR(w->view().ViewBottom, start.ViewBottom - 20 / scale, 0.01);
    area->renderNow();
    EXPECT_GT(area->redrawCount(), redraws);
    EXPECT_EQ(w->tool().ViewTool, kNoTool);
}

TEST(MainWindowView, WheelZoomsAboutThePointerAndABurstIsOnePreviousView) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    ViewWindow start = w->view();
    const QPointF at(200, 150);
    const float wx = start.worldX(at.x()), wy = start.worldY(at.y());
    for (int notch = 0; notch < 3; ++notch) {
        QWheelEvent up(at, w->drawingArea()->mapToGlobal(at), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w->drawingArea(), &up);
    }
    float width = w->view().ViewRight - w->view().ViewLeft;
    EXPECT_NEAR(width, 0.729f * (start.ViewRight - start.ViewLeft), 0.05);
    EXPECT_NEAR(w->view().worldX(at.x()), wx, 0.05);
    EXPECT_NEAR(w->view().worldY(at.y()), wy, 0.05);
    w->executeCommand(CmdPreviousView); // the three quick notches are one step back
    EXPECT_FLOAT_EQ(w->view().ViewLeft, start.ViewLeft);
    EXPECT_FLOAT_EQ(w->view().ViewTop, start.ViewTop);
}

namespace {
/// Runs a command that shows a modal dialog; the dialog is closed as soon as it shows.
/// Returns the title of the dialog seen, or "" when none appeared.
QString titleOfModalDialog(MainWindow &w, int id) {
    QString seen;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (QWidget *m = QApplication::activeModalWidget()) {
            seen = m->windowTitle();
            m->close();
        }
    });
    timer.start();
    w.executeCommand(id);
    timer.stop();
    return seen;
}
} // namespace

TEST(MainWindowCommands, DialogCommandsOpenTheirDialogs) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    EXPECT_EQ(titleOfModalDialog(*w.window, CmdPreferences), QString("Impostazioni"));
    EXPECT_EQ(titleOfModalDialog(*w.window, CmdOffsetLeft), QString("Offset bordo sinistro"));
    EXPECT_EQ(w->state().OffsetSide, 1);
    EXPECT_EQ(titleOfModalDialog(*w.window, CmdOffsetRight), QString("Offset bordo destro"));
    EXPECT_EQ(w->state().OffsetSide, 0);
    w->state().editMode = EditMode::InsertVertical;
    EXPECT_EQ(titleOfModalDialog(*w.window, CmdTakeoff), QString("Computo materiali"));
    EXPECT_EQ(w->state().ReportFlag, 0);
    EXPECT_EQ(w->state().editMode, EditMode::None);
    EXPECT_EQ(titleOfModalDialog(*w.window, CmdDxf), QString("File DXF"));
    EXPECT_FALSE(titleOfModalDialog(*w.window, CmdAbout).isEmpty());
}

TEST(MainWindowView, ZoomAndSectionModeArmedTogetherServeTheSameClick) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    MainWindow &mw = *w.window;
    Wall &wall = mw.state().wall;
    int before = wall.horizSectionCount();
    mw.executeCommand(CmdInsertHorizontal);
    mw.executeCommand(CmdZoomWindow);
    float level = wall.BaseLevel + wall.Storeys[0].Height / 3;
    QPoint p(static_cast<int>(mw.view().screenX(mw.elevationX())),
             static_cast<int>(mw.view().screenY(level)));
    QTest::mouseClick(mw.drawingArea(), Qt::LeftButton, {}, p);
    EXPECT_EQ(mw.tool().ViewTool, kZoomSecondCorner); // first corner taken
    EXPECT_EQ(wall.horizSectionCount(), before + 1);  // and the section inserted
    EXPECT_EQ(mw.state().editMode, EditMode::None);
}

TEST(MainWindowView, EscapeGivesUpTheZoomWindowAndTheSectionMode) {
    WindowUnderTest w(QString::fromStdString(examplePath(kExample)));
    w->executeCommand(CmdDeleteSection);
    w->executeCommand(CmdZoomWindow);
    QTest::keyClick(w.window.get(), Qt::Key_Escape);
    EXPECT_EQ(w->tool().ViewTool, kNoTool);
    EXPECT_EQ(w->state().editMode, EditMode::None);
}
