// Tests of the DXF file: layer entries, the ENTITIES frame, placement, templates, atomic write.
#include "dxf/dxf_file.h"
#include "dxf/layer_names.h"
#include "dxf_test_support.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace murcad;
using namespace murcad::dxftest;

namespace {

// The entity the fake drawing writes for a wall shifted by offsetX world cm at scale 0.04.
std::string fakeLine(const char *x1, const char *x2, const char *y2 = "2.000000") {
    return crlf({"LINE", "  8", "BORDO", " 10", x1, " 20", "0.000000", " 30", "0.0", " 11", x2,
                 " 21", y2, " 31", "0.0", "  0"});
}

const std::string kEntitiesOpen = crlf({"  0", "SECTION", "  2", "ENTITIES", "  0"});
const std::string kEnd = crlf({"ENDSEC", "0", "EOF"});

} // namespace

TEST(DxfLayerEntries, TwelveEntriesAsTheLayerTableHoldsThem) {
    LayerSettings layers = makeDefaultLayerSettings();
    layers.LayerColour[QUOTE] = 255;
    layers.LayerColour[FERRI] = 0; // not a layer colour: written as 7
    DxfTagWriter w;
    writeLayerEntries(w, layers);
    const std::string &t = w.text();
    EXPECT_EQ(t.substr(0, crlf({"  0", "LAYER", "  2", "ACCIAO_SEZ", "70", "   64", "62",
                                "    6", "6", "CONTINUOUS"})
                              .size()),
              crlf({"  0", "LAYER", "  2", "ACCIAO_SEZ", "70", "   64", "62", "    6", "6",
                    "CONTINUOUS"}));
    EXPECT_NE(t.find(crlf({"QUOTE", "70", "   64", "62", "    255", "6"})), std::string::npos);
    EXPECT_NE(t.find(crlf({"FERRI", "70", "   64", "62", "    7", "6"})), std::string::npos);
    std::size_t count = 0;
    for (std::size_t p = t.find("LAYER\r\n"); p != std::string::npos; p = t.find("LAYER\r\n", p + 1))
        ++count;
    EXPECT_EQ(count, 12u);
    EXPECT_EQ(std::count(t.begin(), t.end(), '\n'), 120);
}

TEST(DxfBatch, TwoWallsSideBySideShiftedBySheetXPlusGap) {
    DxfTagWriter w;
    Wall wall;
    LayerSettings layers = makeDefaultLayerSettings();
    DxfBatchReport r = fileDxf(w, {"/d/P1.PAR", "/d/P2.PAR"}, layers, wall, fakeHooks(900));
    EXPECT_EQ(r.drawn, 2);
    EXPECT_TRUE(r.messages().empty());
    // Second wall: world shift 900 + 100 = 1000 cm, i.e. 40 DXF units at 1:25.
    EXPECT_EQ(w.text(), kEntitiesOpen + fakeLine("0.000000", "4.000000") +
                            fakeLine("40.000000", "44.000000") + kEnd);
    EXPECT_EQ(wall.WallFile, "/d/P2.PAR"); // the model holds the last wall of the batch
}

TEST(DxfBatch, ShiftAccumulatesAndSkippedWallsTakeNoRoom) {
    DxfTagWriter w;
    Wall wall;
    LayerSettings layers = makeDefaultLayerSettings();
    layers.DxfScaleLeft = 1;
    layers.DxfScaleRight = 100; // 0.01 units per cm
    std::vector<int> seen;
    DxfBatchHooks hooks = fakeHooks(400);
    hooks.progress = [&](int n, int count, const DxfWallOutcome &o) {
        EXPECT_EQ(count, 4);
        seen.push_back(n * 10 + o.status);
    };
    DxfBatchReport r = fileDxf(w, {"A.PAR", "band.PAR", "bad.PAR", "B.PAR"}, layers, wall, hooks);
    EXPECT_EQ(r.drawn, 2);
    ASSERT_EQ(r.bandElements.size(), 1u);
    ASSERT_EQ(r.failed.size(), 1u);
    EXPECT_EQ(r.failed[0].path, "bad.PAR");
    EXPECT_NE(r.failed[0].error.find("riga 3"), std::string::npos);
    EXPECT_EQ(seen, (std::vector<int>{0, 11, 22, 30}));
    EXPECT_EQ(w.text(), kEntitiesOpen + fakeLine("0.000000", "1.000000", "0.500000") +
                            fakeLine("5.000000", "6.000000", "0.500000") + kEnd);
    auto messages = r.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], kBandElementsMessage);
    EXPECT_NE(messages[1].find("bad.PAR"), std::string::npos);
}

TEST(DxfBatch, OnlyBandElementsGiveAnEmptyEntitiesSectionAndTheMessage) {
    DxfTagWriter w;
    Wall wall;
    DxfBatchReport r = fileDxf(w, {"band1.PAR", "band2.PAR"}, makeDefaultLayerSettings(), wall,
                               fakeHooks());
    EXPECT_EQ(w.text(), crlf({"  0", "SECTION", "  2", "ENTITIES", "  0", "ENDSEC", "0", "EOF"}));
    EXPECT_EQ(r.drawn, 0);
    EXPECT_EQ(r.messages(), std::vector<std::string>{kBandElementsMessage});
}

TEST(LayerNames, RefusedNames) {
    const char *bad[] = {"",      "A\nB",   "A\tB", "A<B", "A>B", "A/B", "A\\B", "A\"B",
                         "A:B",   "A;B",    "A?B",  "A*B", "A|B", "A=B", "A`B",  "0",
                         "Ω_LAY", "\x7F"};
    for (const char *name : bad)
        EXPECT_FALSE(layerNameProblem(name).empty()) << name;
    EXPECT_FALSE(layerNameProblem(std::string(256, 'A')).empty());
    EXPECT_TRUE(layerNameProblem(std::string(255, 'A')).empty());
    EXPECT_TRUE(layerNameProblem("Ferri è $-_ 12").empty());
    EXPECT_TRUE(layerNameProblem("00").empty());
}

TEST(LayerNames, DuplicatesIgnoreCaseAndNameTheLayers) {
    LayerSettings layers = makeDefaultLayerSettings();
    EXPECT_EQ(checkLayerNames(layers.LayerName), "");
    layers.LayerName[FERRI] = "bordo";
    std::string m = checkLayerNames(layers.LayerName);
    EXPECT_NE(m.find("layer 12"), std::string::npos) << m;
    EXPECT_NE(m.find("layer 2"), std::string::npos) << m;
    layers.LayerName[FERRI] = "FERRI";
    layers.LayerName[QUOTE] = "Quote;";
    m = checkLayerNames(layers.LayerName);
    EXPECT_NE(m.find("layer 5"), std::string::npos) << m;
    EXPECT_NE(m.find(";"), std::string::npos) << m;
}

class DxfWrite : public ::testing::Test {
protected:
    TempDir dir;
    LayerSettings layers = makeDefaultLayerSettings();
    Wall wall;
    std::string out = dir / "out.dxf";
    std::string host = MURCAD_DATA_DIR;
};

TEST_F(DxfWrite, WholeFileIsTemplatesLayersAndEntities) {
    DxfWriteResult r = writeDxf(out, host, {"P1.PAR"}, layers, wall, fakeHooks());
    ASSERT_TRUE(r.written) << r.error;
    std::string text = readText(out);
    EXPECT_EQ(r.bytes, text.size());
    DxfTemplates t;
    ASSERT_TRUE(readDxfTemplates(host, t, nullptr));
    DxfTagWriter entries;
    writeLayerEntries(entries, layers);
    EXPECT_EQ(text, t.head + entries.text() + t.tail + kEntitiesOpen +
                        fakeLine("0.000000", "4.000000") + kEnd);
    // The templates close as the layout needs: the head ends with the LAYER table header,
    // the tail with the value line of the last section before the entities.
    EXPECT_TRUE(t.head.ends_with(crlf({"  2", "LAYER", " 70", "    13"})));
    EXPECT_TRUE(t.tail.ends_with("ENDSEC\r\n"));
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1); // every line ends with CR LF
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'),
              std::count(text.begin(), text.end(), '\r'));
}

TEST_F(DxfWrite, MissingTemplateWritesNothingAndKeepsTheOldFile) {
    writeText(out, "old drawing");
    TempDir emptyHost;
    DxfWriteResult r = writeDxf(out, emptyHost.str(), {"P1.PAR"}, layers, wall, fakeHooks());
    EXPECT_FALSE(r.written);
    EXPECT_NE(r.error.find(emptyHost / "Init1.kvl"), std::string::npos) << r.error;
    EXPECT_EQ(readText(out), "old drawing");
    writeText(emptyHost / "Init1.kvl", readText(host + "/Init1.kvl"));
    r = writeDxf(out, emptyHost.str(), {"P1.PAR"}, layers, wall, fakeHooks());
    EXPECT_NE(r.error.find(emptyHost / "init2.kvl"), std::string::npos) << r.error;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path),
                            std::filesystem::directory_iterator()),
              1); // no temporary left behind
}

TEST_F(DxfWrite, UnwritableFolderReportsPathAndCause) {
    std::string target = dir / "no_such_folder/out.dxf";
    DxfWriteResult r = writeDxf(target, host, {"P1.PAR"}, layers, wall, fakeHooks());
    EXPECT_FALSE(r.written);
    EXPECT_NE(r.error.find(target), std::string::npos);
    EXPECT_NE(r.error.find("No such file"), std::string::npos) << r.error;
}

TEST_F(DxfWrite, FailedWriteLeavesNoTruncatedDrawing) {
    // A file size limit makes the disk "full" after 64 KiB for this process only.
    writeText(out, "old drawing");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    DxfBatchHooks hooks = fakeHooks();
    hooks.draw = [](Surface &s, const Wall &) {
        for (int i = 0; i < 30000; ++i)
            s.drawLine(0, i, 100, i, FERRI, Dashed);
        return 500.0f;
    };
    DxfWriteResult r = writeDxf(out, host, {"P1.PAR", "P2.PAR"}, layers, wall, hooks);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(r.written);
    EXPECT_NE(r.error.find(out), std::string::npos) << r.error;
    EXPECT_NE(r.error.find("too large"), std::string::npos) << r.error;
    EXPECT_EQ(readText(out), "old drawing");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(DxfWrite, RefusedBeforeWritingAnything) {
    layers.LayerName[TESTO_QUOTE] = "QUOTE";
    DxfWriteResult r = writeDxf(out, host, {"P1.PAR"}, layers, wall, fakeHooks());
    EXPECT_FALSE(r.written);
    EXPECT_NE(r.error.find("layer 6"), std::string::npos) << r.error;
    EXPECT_FALSE(std::filesystem::exists(out));

    layers = makeDefaultLayerSettings();
    std::vector<std::string> many(kMaxDxfWalls + 1, "P.PAR");
    r = writeDxf(out, host, many, layers, wall, fakeHooks());
    EXPECT_FALSE(r.written);
    EXPECT_NE(r.error.find("101"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));

    r = writeDxf(out, host, {}, layers, wall, fakeHooks());
    EXPECT_FALSE(r.written);
    EXPECT_NE(r.error.find("Non sono stati selezionati i file dati."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(DxfWrite, ExactlyOneHundredAndOneWallsFit) {
    std::vector<std::string> many(kMaxDxfWalls, "P.PAR");
    DxfWriteResult r = writeDxf(out, host, many, layers, wall, fakeHooks(0));
    ASSERT_TRUE(r.written) << r.error;
    EXPECT_EQ(r.batch.drawn, kMaxDxfWalls);
    // The last wall starts 100 × 100 cm to the right: 400 DXF units.
    EXPECT_NE(readText(out).find(fakeLine("400.000000", "404.000000")), std::string::npos);
}

TEST_F(DxfWrite, TemplateLineEndsNormalisedToCrLf) {
    TempDir h;
    writeText(h / "Init1.kvl", "  0\nSECTION\r\n  2\nTABLES");
    writeText(h / "init2.kvl", "  0\r\nENDTAB\r\n  0\nENDSEC\n");
    DxfWriteResult r = writeDxf(out, h.str(), {"band.PAR"}, layers, wall, fakeHooks());
    ASSERT_TRUE(r.written) << r.error;
    std::string text = readText(out);
    EXPECT_TRUE(text.starts_with(crlf({"  0", "SECTION", "  2", "TABLES", "  0", "LAYER"})));
    EXPECT_TRUE(text.ends_with(crlf({"CONTINUOUS", "  0", "ENDTAB", "  0", "ENDSEC", "  0",
                                     "SECTION", "  2", "ENTITIES", "  0", "ENDSEC", "0", "EOF"})));
}
