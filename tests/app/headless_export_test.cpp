// Tests of the export without windows: the wall's DXF, RTF and PNG, and the program's fallback
// when there is no display.
#include "gui_test_support.h"

#include "headless_export.h"

#include <QDir>
#include <QFile>
#include <QProcess>

using namespace murcad;
using namespace murcad::app;
using namespace murcad::app::testing;

TEST(HeadlessExport, WritesTheDxfTheReportAndThePicture) {
    QTemporaryDir dir;
    AppState state;
    state.HostFolder = templatesFolder();
    HeadlessExportResult r =
        exportWall(state, examplePath("offsets.PAR"), dir.filePath("out").toStdString(), 800, 500);
    ASSERT_TRUE(r.ok) << (r.errors.empty() ? "" : r.errors[0]);
    ASSERT_EQ(r.written.size(), 3u);
    QFile dxf(dir.filePath("out/offsets.DXF")), rtf(dir.filePath("out/offsets.rtf"));
    ASSERT_TRUE(dxf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(dxf.readAll().contains("EOF"));
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(rtf.readAll().startsWith("{\\rtf1"));
    QImage png(dir.filePath("out/offsets.png"));
    EXPECT_EQ(png.size(), QSize(800, 500));
    EXPECT_TRUE(state.wall.Storeys.empty()); // the caller's wall is not touched
}

TEST(HeadlessExport, BandElementAndMissingFileAreReportedByName) {
    QTemporaryDir dir;
    AppState state;
    state.HostFolder = templatesFolder();
    HeadlessExportResult band =
        exportWall(state, examplePath("band_element.PAR"), dir.path().toStdString());
    EXPECT_FALSE(band.ok);
    ASSERT_EQ(band.errors.size(), 1u);
    EXPECT_NE(band.errors[0].find("band_element.PAR"), std::string::npos);
    HeadlessExportResult missing =
        exportWall(state, examplePath("nessuno.PAR"), dir.path().toStdString());
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.written.empty());
}

TEST(HeadlessExport, ProgramWithoutDisplaySaysSoAndExportsIntoANamedFolder) {
    QString program = QCoreApplication::applicationDirPath() + "/murcad";
    if (!QFile::exists(program))
        GTEST_SKIP() << "murcad not built";
    QTemporaryDir dir;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(v);
    env.insert("HOME", dir.path());
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir.path());
    p.start(program, {QString::fromStdString(examplePath("offsets.PAR"))});
    ASSERT_TRUE(p.waitForFinished(60000));
    QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("Nessun display"));
    EXPECT_TRUE(out.contains(dir.filePath("murcad-export")));
    for (const char *f : {"offsets.DXF", "offsets.rtf", "offsets.png"})
        EXPECT_TRUE(QFile::exists(dir.filePath(QString("murcad-export/") + f))) << f;
}
