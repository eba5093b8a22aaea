// Tests of the DXF export logic behind the dialog: chosen list, scale, layers, generation.
#include "dxf/dxf_export.h"
#include "dxf_test_support.h"
#include "model/settings_file.h"

#include <gtest/gtest.h>

using namespace murcad;
using namespace murcad::dxftest;

using Names = std::vector<std::string>;

TEST(ChosenList, AddKeepsOneEntryPerExactNameAndTheOrder) {
    Names chosen = {"P2.PAR"};
    ChosenListChange c = addChosenFiles(chosen, {"P1.PAR", "P2.PAR", "p2.PAR", "P1.PAR"});
    EXPECT_EQ(chosen, (Names{"P2.PAR", "P1.PAR", "p2.PAR"})); // case-sensitive test
    EXPECT_EQ(c.added, 2);
    EXPECT_EQ(c.refused, 0);
    EXPECT_TRUE(c.message.empty());
}

TEST(ChosenList, AddAllGivesTheFileListOrderWithoutDuplicates) {
    Names chosen;
    addChosenFiles(chosen, {"C.PAR", "A.PAR"});
    addAllChosenFiles(chosen, {"A.PAR", "B.PAR", "C.PAR"});
    EXPECT_EQ(chosen, (Names{"A.PAR", "B.PAR", "C.PAR"}));
}

TEST(ChosenList, RemoveSelectedAndRemoveAll) {
    Names chosen = {"A", "B", "C", "D"};
    removeChosenFiles(chosen, {3, 1, 7});
    EXPECT_EQ(chosen, (Names{"A", "C"}));
    removeAllChosenFiles(chosen);
    EXPECT_TRUE(chosen.empty());
}

TEST(ChosenList, FilesBeyondOneHundredAndOneAreRefusedWithAMessage) {
    Names available;
    for (int i = 0; i < 105; ++i)
        available.push_back("P" + std::to_string(i) + ".PAR");
    Names chosen;
    ChosenListChange c = addAllChosenFiles(chosen, available);
    EXPECT_EQ(chosen.size(), 101u);
    EXPECT_EQ(chosen.back(), "P100.PAR");
    EXPECT_EQ(c.refused, 4);
    EXPECT_NE(c.message.find("101"), std::string::npos);
    c = addChosenFiles(chosen, {"P0.PAR", "X.PAR"}); // the duplicate is not counted as refused
    EXPECT_EQ(c.refused, 1);
    EXPECT_EQ(chosen.size(), 101u);
}

TEST(WallFileList, ParFilesOfAnyCaseSortedByName) {
    TempDir d;
    for (const char *n : {"b.par", "A.PAR", "c.Par", "notes.txt", "x.PAR.bak"})
        writeText(d / n, "");
    std::filesystem::create_directory(d.path / "sub.PAR");
    EXPECT_EQ(listWallFiles(d.str()), (Names{"A.PAR", "b.par", "c.Par"}));
    EXPECT_TRUE(listWallFiles(d / "missing").empty());
}

TEST(StartFolder, FolderOfTheWallFileElseRecentElseCurrent) {
    EXPECT_EQ(dxfStartFolder("/lavori/pareti/P1.PAR", "/recent", "/cwd"), "/lavori/pareti");
    EXPECT_EQ(dxfStartFolder("C:\\Lavori\\P1.PAR", "/recent", "/cwd"), "C:\\Lavori");
    EXPECT_EQ(dxfStartFolder("Anonimo", "/recent", "/cwd"), "/recent");
    EXPECT_EQ(dxfStartFolder("", "", "/cwd"), "/cwd");
    EXPECT_EQ(dxfStartFolder("P1.PAR", "", "/cwd"), "/cwd");
}

class DxfForm : public ::testing::Test {
protected:
    LayerSettings layers = makeDefaultLayerSettings();
    DxfDialogFields fields = dxfDialogFields(layers);
};

TEST_F(DxfForm, OpensWithScaleBoxesAndLayerTable) {
    EXPECT_EQ(fields.ScaleLeftText, "1.000");
    EXPECT_EQ(fields.ScaleRightText, "25.000");
    EXPECT_EQ(fields.LayerNameText[TESTO_POSIZIONI], "TESTO_POSIZIONI");
    EXPECT_EQ(fields.WorkingColour[QUOTE], 4);
    EXPECT_FLOAT_EQ(dxfScaleOf(layers), 0.04f);
}

TEST_F(DxfForm, CommaOrPointAndNamesAndColoursTaken) {
    fields.ScaleLeftText = "1,5";
    fields.ScaleRightText = "50";
    fields.LayerNameText[FERRI] = "ARMATURE";
    fields.WorkingColour[FERRI] = 140;
    DxfFormResult r = leggiFrmDxf(fields, layers);
    EXPECT_EQ(r.status, DxfFormStatus::Read);
    EXPECT_FLOAT_EQ(layers.DxfScaleLeft, 1.5f);
    EXPECT_FLOAT_EQ(layers.DxfScaleRight, 50.0f);
    EXPECT_FLOAT_EQ(dxfScaleOf(layers), 0.03f);
    EXPECT_EQ(layers.LayerName[FERRI], "ARMATURE");
    EXPECT_EQ(layers.LayerColour[FERRI], 140);
}

TEST_F(DxfForm, BadLeftScaleResetsTheBoxAndReadsNothingElse) {
    for (const char *bad : {"0", "0.0001", "abc", "-2", "", "1e99", "200000", "12x"}) {
        LayerSettings l = makeDefaultLayerSettings();
        DxfDialogFields f = dxfDialogFields(l);
        f.ScaleLeftText = bad;
        f.ScaleRightText = "100";
        f.LayerNameText[BORDO] = "CONTORNO";
        DxfFormResult r = leggiFrmDxf(f, l);
        EXPECT_EQ(r.status, DxfFormStatus::BadScale) << bad;
        EXPECT_EQ(r.message.find("Valori della scala non validi!\nScala: "), 0u) << r.message;
        EXPECT_NE(r.message.find("valori ammessi da 0.001 a 100000."), std::string::npos);
        EXPECT_EQ(f.ScaleLeftText, "1.000");
        EXPECT_FLOAT_EQ(l.DxfScaleRight, 25.0f) << bad;
        EXPECT_EQ(l.LayerName[BORDO], "BORDO");
    }
}

TEST_F(DxfForm, BadRightScaleKeepsTheNewLeftValue) {
    fields.ScaleLeftText = "2";
    fields.ScaleRightText = "0,00005";
    fields.LayerNameText[BORDO] = "CONTORNO";
    DxfFormResult r = leggiFrmDxf(fields, layers);
    EXPECT_EQ(r.status, DxfFormStatus::BadScale);
    EXPECT_FLOAT_EQ(layers.DxfScaleLeft, 2.0f);
    EXPECT_FLOAT_EQ(layers.DxfScaleRight, 25.0f);
    EXPECT_EQ(fields.ScaleRightText, "25.000");
    EXPECT_EQ(layers.LayerName[BORDO], "BORDO");
}

TEST_F(DxfForm, UnfitLayerNameRefusesAllLayerValues) {
    fields.LayerNameText[SEZIONI] = "SEZ|A";
    fields.WorkingColour[SEZIONI] = 9;
    DxfFormResult r = leggiFrmDxf(fields, layers);
    EXPECT_EQ(r.status, DxfFormStatus::BadLayerName);
    EXPECT_NE(r.message.find("SEZ|A"), std::string::npos);
    EXPECT_EQ(layers.LayerName[SEZIONI], "SEZIONI");
    EXPECT_EQ(layers.LayerColour[SEZIONI], 3);
}

TEST_F(DxfForm, SaveSettingsWritesWhatTheFormHolds) {
    TempDir profile;
    fields.ScaleRightText = "50";
    fields.LayerNameText[QUOTE] = "QUOTATURE";
    fields.WorkingColour[QUOTE] = 30;
    EXPECT_EQ(saveDxfSettings(fields, layers, profile.str(), 50.0f, 3), "");
    SettingsFileValues back;
    ASSERT_EQ(readSettings(profile.str(), back), SettingsSource::File);
    EXPECT_EQ(back.Layers.LayerName[QUOTE], "QUOTATURE");
    EXPECT_EQ(back.Layers.LayerColour[QUOTE], 30);
    EXPECT_FLOAT_EQ(back.Layers.DxfScaleRight, 50.0f);
    EXPECT_FLOAT_EQ(back.LapFactor, 50.0f);
    EXPECT_EQ(back.ExtraOption, 3);

    fields.LayerNameText[QUOTE] = "";
    EXPECT_NE(saveDxfSettings(fields, layers, profile.str(), 40.0f, 0), "");
    ASSERT_EQ(readSettings(profile.str(), back), SettingsSource::File);
    EXPECT_EQ(back.Layers.LayerName[QUOTE], "QUOTATURE"); // nothing saved
}

TEST_F(DxfForm, GenerationNeedsChosenFiles) {
    DxfGeneratePlan plan = prepareDxfGeneration(fields, layers, "/d", {});
    EXPECT_FALSE(plan.proceed);
    EXPECT_EQ(plan.messages, (Names{"Non sono stati selezionati i file dati.\nGenerazione file "
                                    "DXF impossibile!"}));
}

TEST_F(DxfForm, BadScaleStillGeneratesWithTheScaleInForce) {
    fields.ScaleRightText = "x";
    DxfGeneratePlan plan = prepareDxfGeneration(fields, layers, "/d/", {"P1.PAR"});
    EXPECT_TRUE(plan.proceed);
    ASSERT_EQ(plan.messages.size(), 1u);
    EXPECT_EQ(plan.messages[0].find("Valori della scala non validi!"), 0u);
    EXPECT_EQ(plan.wallPaths, Names{"/d/P1.PAR"});
    EXPECT_FLOAT_EQ(dxfScaleOf(layers), 0.04f);
}

TEST_F(DxfForm, FileNameWithTwoDotsIsLoadedByItsRealPath) {
    // Cutting the name at its first dot and adding "PAR" would load "P1.PAR" or nothing.
    TempDir data, outDir;
    DxfGeneratePlan plan =
        prepareDxfGeneration(fields, layers, data.str(), {"P1.rev2.par", "Parete.B.PAR"});
    ASSERT_TRUE(plan.proceed);
    Names loaded;
    DxfBatchHooks hooks = fakeHooks();
    auto load = hooks.load;
    hooks.load = [&](const std::string &p, Wall &w) {
        loaded.push_back(p);
        return load(p, w);
    };
    DxfSession session;
    Wall wall;
    DxfWriteResult r =
        generateDxf(outDir / "tavola", session, MURCAD_DATA_DIR, plan, layers, wall, hooks);
    ASSERT_TRUE(r.written) << r.error;
    EXPECT_EQ(loaded, (Names{data / "P1.rev2.par", data / "Parete.B.PAR"}));
    EXPECT_EQ(session.DxfFileName, outDir / "tavola.DXF");
    EXPECT_TRUE(std::filesystem::exists(outDir / "tavola.DXF"));
}

TEST(DxfOutputName, DefaultExtensionOnlyWhenMissing) {
    EXPECT_EQ(withDxfExtension("/a/tavola"), "/a/tavola.DXF");
    EXPECT_EQ(withDxfExtension("/a/tavola.dxf"), "/a/tavola.dxf");
    EXPECT_EQ(withDxfExtension("/a.b/tavola"), "/a.b/tavola.DXF");
    EXPECT_EQ(withDxfExtension("/a/tavola."), "/a/tavola.DXF");
    EXPECT_EQ(withDxfExtension("P1.rev2"), "P1.rev2");
}
