// Screenshots: shows each window without blocking, lets it paint, grabs it to a PNG.
#include "screenshots.h"

#include "border_offset_dialog.h"
#include "colour_picker_dialog.h"
#include "command_table.h"
#include "drawing_area.h"
#include "dxf_dialog.h"
#include "preferences_dialog.h"
#include "section_list_dock.h"
#include "sheet_options_dialog.h"
#include "sheet_print_action.h"
#include "splash_dialog.h"
#include "takeoff_dialog.h"

#include "qtdraw/sheet_pdf.h"
#include "dxf/dxf_export.h"
#include "model/folders.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTableWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QThread>
#include <QUndoStack>

#include <cstdio>

namespace murcad::app {

namespace {

void settle() {
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

bool save(QWidget *w, const QString &folder, const QString &name) {
    w->show();
    w->raise();
    settle();
    QString path = QDir(folder).filePath(name + ".png");
    bool ok = w->grab().save(path);
    std::printf("%s %s\n", ok ? "scritto:" : "errore:", qPrintable(path));
    return ok;
}

void send(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button,
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button),
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void click(QWidget *w, QPoint at) {
    send(w, QEvent::MouseButtonPress, at, Qt::LeftButton);
    send(w, QEvent::MouseButtonRelease, at, Qt::LeftButton);
}

} // namespace

int takeScreenshots(const StartupOptions &options, const QString &folder) {
    QDir().mkpath(folder);
    MainWindow window(options);
    window.resize(1400, 860);
    bool ok = save(&window, folder, "main");

    // A zoom window being dragged, then the view it gives, on the light background.
    window.executeCommand(CmdZoomWindow);
    DrawingArea *area = window.drawingArea();
    QPoint a(area->width() / 3, area->height() / 3), b(area->width() / 2, area->height() / 2);
    click(area, a);
    send(area, QEvent::MouseMove, b, Qt::NoButton);
    ok &= save(&window, folder, "main_zoom_band");
    click(area, b);
    window.state().layers.LightBackground = 1;
    defaultScreenColours(window.state().layers);
    window.redrawSheet();
    ok &= save(&window, folder, "main_zoomed_light");
    window.state().layers.LightBackground = 0;
    defaultScreenColours(window.state().layers);
    window.executeCommand(CmdWholeSheet);

    // A cut inserted by number, then chosen in the section list: it stands out on the sheet,
    // and the "Modifica" menu offers to undo the insertion by its name.
    SectionListDock *list = window.sectionList();
    if (window.wallLoaded()) {
        list->newValueBox(true)->setText("450");
        list->addButton(true)->click();
        list->table(true)->selectRow(2);
        ok &= save(&window, folder, "main_section_list");
        QMenu *edit = nullptr;
        for (QAction *a : window.menuBar()->actions())
            if (a->text() == "&Modifica")
                edit = a->menu();
        if (edit) {
            edit->popup(window.mapToGlobal(QPoint(60, 30)));
            ok &= save(edit, folder, "menu_modifica");
            edit->hide();
        }
        list->table(true)->clearSelection();
    }
    // A click mode armed: its button stays pressed and the hint stays in the status bar.
    window.executeCommand(CmdInsertHorizontal);
    ok &= save(&window, folder, "main_mode_armed");
    QPixmap cursor = window.drawingArea()->cursor().pixmap();
    ok &= cursor.scaled(96, 96).save(QDir(folder).filePath("cursor_mode.png"));
    window.executeCommand(CmdZoomWindow);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &esc);

    // Qt's own dialogs, in Italian when the translations are installed.
    {
        QFileDialog d(&window, "Apri", QString::fromStdString(options.hostFolder),
                      "File Dati (*.PAR *.par *.Par)");
        d.setOption(QFileDialog::DontUseNativeDialog);
        ok &= save(&d, folder, "file_dialog");
    }
    {
        QColorDialog d(Qt::yellow, &window);
        d.setOption(QColorDialog::DontUseNativeDialog);
        ok &= save(&d, folder, "colour_dialog");
    }

    std::string report;
    {
        PreferencesDialog d(
            window.state(), window.prompts(), [] {}, &window);
        ok &= save(&d, folder, "preferences");
        d.hide();
    }
    {
        ColourPickerDialog d(30, &window);
        ok &= save(&d, folder, "colour_picker");
    }
    {
        BorderOffsetDialog d(window.state().wall, BorderSide::Left, window.prompts(), &window);
        ok &= save(&d, folder, "border_offset");
    }
    {
        std::string start =
            dxfStartFolder(window.state().wall.WallFile, "", QDir::currentPath().toStdString());
        DxfDialog d({window.state(), window.prompts(), window.dxfSession, report, start}, &window);
        d.availableList()->selectAll();
        d.addButton()->click();
        ok &= save(&d, folder, "dxf");
    }
    if (window.wallLoaded()) {
        window.state().ReportFlag = 0;
        TakeoffDialog d(window.state(), {}, window.prompts(), report, &window);
        ok &= save(&d, folder, "takeoff");
    }
    if (window.wallLoaded()) {
        // "Stampa...": the choices, then the preview of the sheet on its paper.
        SheetOptions options = initialSheetOptions(window.state());
        SheetOptionsDialog choices(options, QStringLiteral("Anteprima..."), window.prompts(),
                                   &window);
        ok &= save(&choices, folder, "sheet_options");
        choices.hide();
        SheetPlan plan = planSheet(window.state().wall, options);
        if (!plan.pages.empty()) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setFullPage(true);
            printer.setPageLayout(qtPageLayout(plan.pages.front().layout));
            QPrintPreviewDialog preview(&printer, &window);
            QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                             [&](QPrinter *target) {
                                 QPainter p(target);
                                 paintSheetPage(p, target->resolution(), plan.pages.front(),
                                                window.state().layers, options.inColour);
                             });
            preview.resize(1100, 850);
            ok &= save(&preview, folder, "print_preview");
        }
    }
    {
        SplashDialog d(&window, 60000);
        ok &= save(&d, folder, "about");
    }
    return ok ? 0 : 1;
}

} // namespace murcad::app
