// GUI tests of keeping work: unsaved-changes mark and questions, refused values, save-as,
// damaged companions and companions changed by someone else.
#include "gui_test_support.h"

#include "command_table.h"
#include "property_panel.h"

#include "model/wall_file.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>

using namespace murcad;
using namespace murcad::app;
using namespace murcad::app::testing;

namespace {

/// A copy of an example wall in a temporary folder (optionally in a sub-folder).
struct WallCopy {
    QTemporaryDir dir;
    QString path;
    explicit WallCopy(const QString &sub = {}, const char *name = "realistic_10_storeys.PAR") {
        QString folder = sub.isEmpty() ? dir.path() : dir.filePath(sub);
        QDir().mkpath(folder);
        path = folder + "/W1.PAR";
        QFile::copy(QString::fromStdString(examplePath(name)), path);
    }
    QString file(const QString &name) const { return QFileInfo(path).dir().filePath(name); }
};

QString readAll(const QString &path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(UnsavedChanges, AnEditMarksTheTitleAndASaveClearsIt) {
    WallCopy wall("prog.parete"); // a folder whose name holds ".par"
    WindowUnderTest w(wall.path);
    ASSERT_TRUE(w->wallLoaded());
    EXPECT_EQ(w->windowTitle(), QString("MURCAD Vavire -  [ W1.PAR ]"));
    PropertyPanel *grid = w->propertyPanel();
    // A value the next load would refuse is refused here, naming the item and the range.
    grid->itemById(20)->setText(1, "250000");
    ASSERT_EQ(w.prompts->warnings.size(), 1u);
    EXPECT_TRUE(w.prompts->warnings[0].startsWith("H 2: valore \"250000\" fuori dai limiti"));
    EXPECT_FALSE(w->isModified());
    grid->itemById(20)->setText(1, "250,5");
    EXPECT_TRUE(w->isModified());
    EXPECT_EQ(w->windowTitle(), QString("MURCAD Vavire -  [ W1.PAR ]*"));
    w->executeCommand(CmdSave);
    EXPECT_FALSE(w->isModified());
    EXPECT_EQ(w->windowTitle(), QString("MURCAD Vavire -  [ W1.PAR ]"));
    EXPECT_TRUE(w->statusBar()->currentMessage().startsWith("Salvato: "));
    Wall again;
    ASSERT_TRUE(loadWall(wall.path.toStdString(), again).fromCompanion);
    EXPECT_FLOAT_EQ(again.Storeys[1].Height, 250.5f);
}

TEST(UnsavedChanges, OpeningAnotherWallAsksOnlyWhenChangedAndAnnullaKeepsTheWall) {
    WallCopy wall;
    WindowUnderTest w(wall.path);
    w.prompts->openAnswer = QString::fromStdString(examplePath("offsets.PAR"));
    w->setModified(true);
    w.prompts->saveChanges = SaveChoice::Cancel;
    w->executeCommand(CmdOpen);
    ASSERT_EQ(w.prompts->saveChangesQuestions.size(), 1u);
    EXPECT_TRUE(w.prompts->saveChangesQuestions[0].contains("W1.PAR"));
    EXPECT_EQ(w->state().wall.WallFile, wall.path.toStdString());
    EXPECT_TRUE(w->isModified());
    w.prompts->saveChanges = SaveChoice::Save;
    w->executeCommand(CmdOpen); // saved first, then opened
    EXPECT_TRUE(QFile::exists(wall.file("W1.wpx")));
    EXPECT_EQ(w->windowTitle(), QString("MURCAD Vavire -  [ offsets.PAR ]"));
    w->executeCommand(CmdOpen); // nothing changed: no question
    EXPECT_EQ(w.prompts->saveChangesQuestions.size(), 2u);
}

TEST(UnsavedChanges, SaveAsToANewNameCopiesTheWallAndOntoAnotherWallAsksFirst) {
    WallCopy wall;
    WindowUnderTest w(wall.path);
    w->setModified(true);
    w.prompts->saveAnswer = wall.file("W2.PAR");
    w->executeCommand(CmdSaveAs);
    EXPECT_TRUE(w.prompts->warnings.empty()) << w.prompts->warnings[0].toStdString();
    EXPECT_EQ(readAll(wall.file("W2.PAR")), readAll(wall.path));
    EXPECT_TRUE(QFile::exists(wall.file("W2.wpx")));
    EXPECT_FALSE(QFile::exists(wall.file("W1.wpx")));
    EXPECT_EQ(w->windowTitle(), QString("MURCAD Vavire -  [ W2.PAR ]"));
    // Onto W1 (another wall now): the question names W1.wpx; "No" writes nothing.
    w.prompts->saveAnswer = wall.path;
    w->executeCommand(CmdSaveAs);
    ASSERT_EQ(w.prompts->questions.size(), 1u);
    EXPECT_TRUE(w.prompts->questions[0].startsWith("Il file W1.wpx sarà sostituito"));
    EXPECT_FALSE(QFile::exists(wall.file("W1.wpx")));
    EXPECT_EQ(w->state().wall.WallFile, wall.file("W2.PAR").toStdString());
}

TEST(UnsavedChanges, ACompanionRewrittenBySomeoneElseIsNotOverwrittenBlindly) {
    WallCopy wall;
    WindowUnderTest w(wall.path);
    w->executeCommand(CmdSave);
    QString theirs = readAll(wall.file("W1.wpx")) + "\r\n";
    QFile::remove(wall.file("W1.wpx"));
    QFile f(wall.file("W1.wpx"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(theirs.toUtf8());
    f.close();
    w->executeCommand(CmdSave);
    ASSERT_EQ(w.prompts->questions.size(), 1u);
    EXPECT_TRUE(w.prompts->questions[0].startsWith(
        "Il file W1.wpx è stato modificato da un altro programma"));
    EXPECT_EQ(readAll(wall.file("W1.wpx")), theirs); // "No": theirs stays
}

TEST(UnsavedChanges, ADamagedCompanionOpensTheWallAndIsKeptAsACopyOnSave) {
    WallCopy wall;
    QFile f(wall.file("W1.wpx"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("");
    f.close();
    WindowUnderTest w(wall.path);
    ASSERT_TRUE(w->wallLoaded());
    ASSERT_EQ(w.prompts->warnings.size(), 1u);
    EXPECT_TRUE(w.prompts->warnings[0].startsWith("Il file " + wall.file("W1.wpx") +
                                                  " non è stato usato"));
    w->executeCommand(CmdSave);
    EXPECT_TRUE(QFile::exists(wall.file("W1.wpx.bak")));
    EXPECT_TRUE(w->statusBar()->currentMessage().contains("W1.wpx.bak"));
}
