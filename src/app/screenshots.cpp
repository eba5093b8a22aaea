// Screenshots: shows each window without blocking, lets it paint, grabs it to a PNG.
#include "screenshots.h"

#include "border_offset_dialog.h"
#include "colour_picker_dialog.h"
#include "command_table.h"
#include "drawing_area.h"
#include "dxf_dialog.h"
#include "preferences_dialog.h"
#include "splash_dialog.h"
#include "takeoff_dialog.h"

#include "dxf/dxf_export.h"
#include "model/folders.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QThread>

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
    {
        SplashDialog d(&window, 60000);
        ok &= save(&d, folder, "about");
    }
    return ok ? 0 : 1;
}

} // namespace murcad::app
