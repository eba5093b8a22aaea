// Tests of the command-line wall file, the unnamed wall and the main-window title.
#include "model/command_line.h"

#include <gtest/gtest.h>

using namespace murcad;

TEST(CommandLine, QuotesAroundThePathAreRemoved) {
    EXPECT_EQ(filterQuotes("\"/dati/p1.par\""), "/dati/p1.par");
    EXPECT_EQ(filterQuotes("/dati/p1.par"), "/dati/p1.par");
    EXPECT_EQ(filterQuotes("\"/dati/p1.par"), "/dati/p1.par");
    // A quote inside the text that is not the last character stays.
    EXPECT_EQ(filterQuotes("\"a\"b\""), "a\"b\"");
}

TEST(CommandLine, PathIsCutAfterParWithoutChangingItsCase) {
    EXPECT_EQ(wallFileFromPath("/dati/p1.par"), "/dati/p1.par");
    EXPECT_EQ(wallFileFromPath("/dati/P1.PAR.bak"), "/dati/P1.PAR");
    EXPECT_EQ(wallFileFromPath("/dati/p1.txt"), "");
    // Only the file name is cut: folders whose names hold ".par" stay whole.
    EXPECT_EQ(wallFileFromPath("/dati/prog.parete/W1.PAR"), "/dati/prog.parete/W1.PAR");
    EXPECT_EQ(wallFileFromPath("C:\\prog.par\\W1.par"), "C:\\prog.par\\W1.par");
    EXPECT_EQ(wallFileFromPath("/dati/prog.parete/W1.txt"), "");
}

TEST(CommandLine, TitleShowsTheFileNameOrAnonimo) {
    EXPECT_EQ(mainWindowTitle("C:\\dati\\P1.PAR"), "MURCAD Vavire -  [ P1.PAR ]");
    EXPECT_EQ(mainWindowTitle("/home/u/P2.PAR"), "MURCAD Vavire -  [ P2.PAR ]");
    EXPECT_EQ(mainWindowTitle(""), "MURCAD Vavire -  [ Anonimo ]");
    EXPECT_EQ(mainWindowTitle("/home/u/P2.PAR", true), "MURCAD Vavire -  [ P2.PAR ]*");
    EXPECT_TRUE(isUnnamedWall("Anonimo"));
    EXPECT_TRUE(isUnnamedWall("ANONIMO"));
    EXPECT_TRUE(isUnnamedWall(""));
    EXPECT_FALSE(isUnnamedWall("P1.PAR"));
}
