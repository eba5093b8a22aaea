// The building's project file: reading, writing back with unknown lines, refusing bad values.
#include "model/project_data.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace murcad {
namespace {

using test::TempDir;

TEST(ProjectData, ReadsEveryKeyAndTellsWhichTheFileGave) {
    TempDir dir;
    std::string path = dir.write("progetto.ini", "\xEF\xBB\xBF# Residenza\r\n"
                                                 "progetto=Residenza Via Roma\r\n"
                                                 "committente=Rossi S.r.l.\n"
                                                 "numerazione=S-{parete}\n"
                                                 "redatto=ing. Bianchi\napprovato=ing. Verdi\n"
                                                 "revisione=A;2026-12-01;Prima emissione\n"
                                                 "revisione=B;2026-12-09;Varianti; quota 3,20\n"
                                                 "calcestruzzo=c30/37\nacciaio=B450C\n"
                                                 "esposizione=XC3\nclasse_strutturale=S3\n"
                                                 "delta_cdev=5\ninerte=16\n"
                                                 "mandrino_piccoli=5\nmandrino_grandi=8,5\n"
                                                 "duttilita=dcm\n");
    ProjectData d;
    std::vector<ProjectDataMessage> msgs;
    ASSERT_TRUE(loadProjectData(path, d, &msgs));
    EXPECT_TRUE(msgs.empty());
    EXPECT_EQ(d.projectName, "Residenza Via Roma");
    EXPECT_EQ(d.approver, "ing. Verdi");
    ASSERT_EQ(d.revisions.size(), 2u);
    EXPECT_EQ(d.revisions[1].description, "Varianti; quota 3,20");
    EXPECT_EQ(d.concreteClass, "C30/37");
    EXPECT_EQ(d.exposureClass, "XC3");
    EXPECT_EQ(d.structuralClass, "S3");
    EXPECT_FLOAT_EQ(d.deltaCdevMm, 5);
    EXPECT_FLOAT_EQ(d.aggregateMm, 16);
    EXPECT_FLOAT_EQ(mandrelDiameterMm(d, 16), 80);
    EXPECT_FLOAT_EQ(mandrelDiameterMm(d, 20), 170);
    EXPECT_EQ(d.ductility, DuctilityClass::DCM);
    EXPECT_TRUE(projectValueGiven(d, "calcestruzzo"));
    EXPECT_EQ(d.unknownLines, std::vector<std::string>{"# Residenza"});
}

TEST(ProjectData, MissingFileGivesTheDefaultsOfTable81N) {
    TempDir dir;
    ProjectData d = projectDataForWall(dir.file("P1.PAR"));
    EXPECT_EQ(d.concreteClass, "C25/30");
    EXPECT_EQ(d.steelGrade, "B450C");
    EXPECT_EQ(d.exposureClass, "XC2");
    EXPECT_EQ(d.ductility, DuctilityClass::None);
    EXPECT_TRUE(d.fromFile.empty());
    EXPECT_FLOAT_EQ(mandrelDiameterMm(d, 16), 64);
    EXPECT_FLOAT_EQ(mandrelDiameterMm(d, 20), 140);
}

TEST(ProjectData, BadValuesKeepTheDefaultAndNameFileLineAndValue) {
    TempDir dir;
    std::string path = dir.write("progetto.ini", "calcestruzzo=C30/37\n"
                                                 "calcestruzzo=C27/30\n"
                                                 "inerte=20mm\n"
                                                 "duttilita=alta\n"
                                                 "revisione=A;9 dicembre;x\n"
                                                 "testo senza uguale\n");
    std::vector<ProjectDataMessage> msgs;
    ProjectData d = projectDataForWall(dir.file("P1.PAR"), &msgs);
    EXPECT_EQ(d.concreteClass, "C30/37"); // the good line stays, the bad one does not override
    EXPECT_FLOAT_EQ(d.aggregateMm, 20);
    EXPECT_EQ(d.ductility, DuctilityClass::None);
    EXPECT_TRUE(d.revisions.empty());
    ASSERT_EQ(msgs.size(), 5u);
    EXPECT_EQ(msgs[0].file, path);
    EXPECT_EQ(msgs[0].line, 2);
    EXPECT_NE(msgs[0].text.find("C27/30"), std::string::npos);
    EXPECT_EQ(msgs[1].line, 3);
    EXPECT_NE(msgs[1].text.find("20mm"), std::string::npos);
    EXPECT_EQ(d.unknownLines.size(), 5u);
}

TEST(ProjectData, SavedFileReadsBackTheSameAndKeepsUnknownLines) {
    TempDir dir;
    std::string path = dir.write("progetto.ini", "# commento\nfutura=1\ninerte=abc\n"
                                                 "esposizione=XS1\n");
    ProjectData d;
    ASSERT_TRUE(loadProjectData(path, d));
    d.projectName = "Scuola\nmedia"; // a line break cannot start a new key
    d.revisions.push_back({"0", "2026-12-09", "Emissione"});
    d.mandrelLarge = 10;
    std::string why;
    ASSERT_TRUE(saveProjectData(path, d, &why)) << why;
    std::string text = test::readText(path);
    EXPECT_NE(text.find("# commento\nfutura=1\ninerte=abc\n"), std::string::npos);
    EXPECT_EQ(text.find("calcestruzzo="), std::string::npos); // never given: stays a default

    ProjectData again;
    ASSERT_TRUE(loadProjectData(path, again));
    EXPECT_EQ(again.projectName, "Scuola media");
    EXPECT_EQ(again.exposureClass, "XS1");
    ASSERT_EQ(again.revisions.size(), 1u);
    EXPECT_EQ(again.revisions[0].description, "Emissione");
    EXPECT_EQ(again.mandrelLarge, 10.0f);
    EXPECT_EQ(again.unknownLines, d.unknownLines);
    EXPECT_EQ(projectDataText(again), text);
}

TEST(ProjectData, UnreadableFileLeavesTheDataAndSaysWhy) {
    TempDir dir;
    std::string folder = dir.file("progetto.ini");
    std::filesystem::create_directory(folder); // a folder where the file should be
    ProjectData d;
    d.concreteClass = "C40/50";
    std::string why;
    EXPECT_FALSE(loadProjectData(folder, d, nullptr, &why));
    EXPECT_EQ(d.concreteClass, "C40/50");
    EXPECT_NE(why.find("progetto.ini"), std::string::npos);
    EXPECT_FALSE(saveProjectData(folder, d, &why));
}

TEST(ProjectData, SetValueRefusesWhatTheReaderRefuses) {
    ProjectData d;
    std::string why;
    EXPECT_FALSE(setProjectValue(d, "acciaio", "FeB44k", &why));
    EXPECT_NE(why.find("FeB44k"), std::string::npos);
    EXPECT_FALSE(setProjectValue(d, "delta_cdev", "-1", &why));
    EXPECT_FALSE(setProjectValue(d, "colore", "rosso", &why));
    EXPECT_TRUE(setProjectValue(d, "duttilita", "DCH"));
    EXPECT_STREQ(ductilityName(d.ductility), "DCH");
    EXPECT_TRUE(d.fromFile == std::vector<std::string>{"duttilita"});
}

} // namespace
} // namespace murcad
