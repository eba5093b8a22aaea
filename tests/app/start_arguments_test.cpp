// The options of the desktop program: help, version, export, "--" and unknown options.
#include "start_arguments.h"

#include <gtest/gtest.h>

using namespace murcad::app;

TEST(StartArguments, ReadsOptionsAndTheWallFileName) {
    struct Case {
        QStringList args;
        StartAction action;
        QString file, folder;
    };
    const Case cases[] = {
        {{}, StartAction::Open, "", ""},
        {{"P1.PAR"}, StartAction::Open, "P1.PAR", ""},
        // A path with blanks from a file manager that did not quote it.
        {{"/Lavori/Parete", "nord/P1.PAR"}, StartAction::Open, "/Lavori/Parete nord/P1.PAR", ""},
        {{"--", "-P1.PAR"}, StartAction::Open, "-P1.PAR", ""},
        {{"--help"}, StartAction::Help, "", ""},
        {{"-h", "P1.PAR"}, StartAction::Help, "", ""},
        {{"--version"}, StartAction::Version, "", ""},
        {{"-V"}, StartAction::Version, "", ""},
        {{"--export", "out", "P1.PAR"}, StartAction::Export, "P1.PAR", "out"},
        {{"--export", "out"}, StartAction::UsageError, "", ""},
        {{"--bogus", "P1.PAR"}, StartAction::UsageError, "", ""},
        {{"-"}, StartAction::Open, "-", ""},
    };
    for (const Case &c : cases) {
        StartArguments r = parseStartArguments(c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(r.action, c.action);
        EXPECT_EQ(r.file, c.file);
        EXPECT_EQ(r.folder, c.folder);
        EXPECT_EQ(r.error.isEmpty(), c.action != StartAction::UsageError);
    }
}

TEST(StartArguments, HelpAndVersionTexts) {
    EXPECT_TRUE(helpText().startsWith("Uso: murcad [PARETE.PAR]\n"));
    EXPECT_TRUE(helpText().contains("--export CARTELLA PARETE.PAR"));
    EXPECT_TRUE(versionText().startsWith("murcad (MURCAD Vavire) "));
}
