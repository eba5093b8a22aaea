// The IFC model of a batch: storeys shared by level, concrete per storey and foundation, bar
// groups under their host, and the export's handling of band elements and failed writes.
#include "dxf/dxf_file.h"
#include "dxf/dxf_test_support.h"
#include "ifc/ifc_export.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <cmath>
#include <filesystem>

using namespace murcad;
using murcad::dxftest::readText;
using murcad::dxftest::TempDir;
using murcad::dxftest::writeText;

namespace {

int occurrences(const std::string &text, const std::string &what) {
    int n = 0;
    for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1))
        ++n;
    return n;
}

/// Two storeys of 300 cm from baseLevel, 400 cm long, 30 cm thick, a 50 cm foundation.
Wall twoStoreys(float baseLevel, float foundation = 50) {
    Wall w;
    w.WallNumber = 4;
    w.BaseLevel = baseLevel;
    w.FoundationThickness = foundation;
    w.Thickness = 30;
    w.Cover = 3;
    w.TotalHeight = 600;
    for (int i = 0; i < 2; ++i) {
        Storey s;
        s.TopLevel = baseLevel + 300 * (i + 1);
        s.Length = 400;
        s.Height = 300;
        s.EdgeLength = 60;
        w.Storeys.push_back(s);
        w.StoreyLevels.push_back(s.TopLevel);
    }
    return w;
}

BarGroup verticals(int storey, int count, double z0, double z1) {
    BarGroup g;
    g.storey = storey;
    g.name = "Verticali";
    g.diameterMm = 16;
    g.cutLength = z1 - z0;
    for (int k = 0; k < count; ++k)
        g.bars.push_back({{-150.0 + 10 * k, -12, z0}, {-150.0 + 10 * k, -12, z1}});
    return g;
}

IfcFileInfo info() {
    IfcFileInfo i;
    i.fileName = "prova.ifc";
    i.projectName = "prova";
    i.timeStamp = "2026-01-01T00:00:00";
    return i;
}

} // namespace

TEST(IfcModel, WallsAtEqualLevelsShareTheirStoreys) {
    IfcModelBuilder m(info());
    m.addWall(twoStoreys(0), 0, "a.PAR", {});
    m.addWall(twoStoreys(0), 1000, "b.PAR", {});
    m.addWall(twoStoreys(300), 2000, "c.PAR", {}); // starts at the level where a storey does
    std::string f = m.finish();
    // A storey stands at its bottom level: 0 and 300 for a and b, 300 and 600 for c.
    EXPECT_EQ(m.counts().storeys, 3);
    EXPECT_EQ(occurrences(f, "=IFCBUILDINGSTOREY("), 3);
    EXPECT_EQ(m.counts().walls, 6);
    EXPECT_EQ(m.counts().footings, 3);
    EXPECT_EQ(occurrences(f, "=IFCWALL("), 6);
    EXPECT_EQ(occurrences(f, "=IFCFOOTING("), 3);
    EXPECT_EQ(occurrences(f, "'Quota +300.0'"), 1);
    EXPECT_EQ(occurrences(f, "=IFCRELCONTAINEDINSPATIALSTRUCTURE("), 3);
    // One concrete material for all walls and footings.
    EXPECT_EQ(occurrences(f, "IFCMATERIAL('Calcestruzzo'"), 1);
    EXPECT_EQ(occurrences(f, "=IFCRELASSOCIATESMATERIAL("), 1);
    // Each storey's wall: 400 x 30 x 300 cm = 3.6 m3.
    EXPECT_EQ(occurrences(f, "IFCQUANTITYVOLUME('NetVolume',$,$,3.6,$)"), 6);
}

TEST(IfcModel, BarsGoUnderTheirHostAndCountTheirSteel) {
    IfcModelBuilder m(info());
    std::vector<BarGroup> groups = {verticals(0, 3, 0, 364), verticals(-1, 2, -47, 64),
                                    verticals(5, 4, 0, 10) /* no such storey */};
    m.addWall(twoStoreys(0), 0, "a.PAR", groups);
    // Without a foundation the starter bars have no concrete to stand in.
    m.addWall(twoStoreys(0, 0), 1000, "b.PAR", {verticals(-1, 2, -47, 64)});
    std::string f = m.finish();
    EXPECT_EQ(m.counts().bars, 5);
    EXPECT_EQ(occurrences(f, "=IFCREINFORCINGBAR("), 5);
    EXPECT_EQ(occurrences(f, "=IFCELEMENTASSEMBLY("), 2);
    // Bars of one shape share it, each placed at its own first point.
    EXPECT_EQ(occurrences(f, "=IFCSWEPTDISKSOLID("), 2);
    EXPECT_EQ(occurrences(f, "=IFCPOLYLINE("), 2);
    // 16 mm bars: radius 8 mm, area pi x 8^2 mm2, length in metres.
    EXPECT_NE(f.find("IFCSWEPTDISKSOLID(#"), std::string::npos);
    EXPECT_NE(f.find(",0.008,$,$,$);"), std::string::npos);
    // The cross-section to full precision: pi x 0.016^2 / 4, not rounded to 0.000201.
    double area = 3.14159265358979 * 0.016 * 0.016 / 4;
    const std::size_t at = f.find("'B450C',0.016,");
    ASSERT_NE(at, std::string::npos);
    char *end = nullptr;
    const double written = std::strtod(f.c_str() + at + 14, &end);
    EXPECT_NEAR(written, area, 1e-17);
    EXPECT_EQ(std::string(end, 25), ",3.64,.MAIN.,.TEXTURED.);");
    EXPECT_NEAR(m.counts().steelKg, (3 * 3.64 + 2 * 1.11) * area * 7850, 1e-9);
    // The foundation bars stand in the footing's placement: their foot is 3 cm above it.
    EXPECT_NE(f.find("IFCCARTESIANPOINT((-1.5,-0.12,0.03));"), std::string::npos);
}

TEST(IfcModel, AWallExportedAgainKeepsItsIds) {
    auto build = [](const std::string &key) {
        IfcModelBuilder m(info());
        m.addWall(twoStoreys(0), 0, key, {verticals(0, 2, 0, 300)});
        return m.finish();
    };
    EXPECT_EQ(build("a.PAR"), build("a.PAR"));
    EXPECT_NE(build("a.PAR"), build("b.PAR"));
    // The same file twice in one batch still gives distinct ids.
    IfcModelBuilder m(info());
    m.addWall(twoStoreys(0), 0, "a.PAR", {});
    m.addWall(twoStoreys(0), 900, "a.PAR", {});
    std::string f = m.finish();
    std::set<std::string> ids;
    int instances = 0;
    for (std::size_t p = f.find("=IFCWALL('"); p != std::string::npos;
         p = f.find("=IFCWALL('", p + 1), ++instances)
        ids.insert(f.substr(p + 10, 22));
    EXPECT_EQ(instances, 4);
    EXPECT_EQ(ids.size(), 4u);
}

namespace {

IfcExportHooks fakeLoads() {
    IfcExportHooks h;
    h.load = [](const std::string &path, Wall &wall) {
        LoadResult r;
        if (path.find("band") != std::string::npos) {
            r.outcome = LoadOutcome::BandElement;
        } else if (path.find("bad") != std::string::npos) {
            r.outcome = LoadOutcome::Failed;
            r.error.file = path;
            r.error.message = "\"" + path + "\", riga 3: trovato \"x\", atteso un numero";
        } else {
            wall = twoStoreys(0);
            wall.WallFile = path;
            r.outcome = LoadOutcome::Loaded;
        }
        return r;
    };
    return h;
}

} // namespace

TEST(IfcExport, BandElementsAndUnreadableFilesAreLeftOutAndReported) {
    TempDir dir;
    Wall wall;
    IfcWriteResult r = writeIfc(dir / "out.ifc", {"a.PAR", "band.PAR", "bad.PAR", "b.PAR"},
                                wall, fakeLoads());
    ASSERT_TRUE(r.written) << r.error;
    EXPECT_EQ(r.exported(), 2);
    EXPECT_EQ(r.counts.walls, 4);
    ASSERT_EQ(r.messages().size(), 2u);
    EXPECT_EQ(r.messages()[0], kBandElementsMessage);
    EXPECT_NE(r.messages()[1].find("bad.PAR\", riga 3"), std::string::npos);
    std::string f = readText(dir / "out.ifc");
    EXPECT_EQ(f.size(), r.bytes);
    EXPECT_NE(f.find("FILE_NAME('out.ifc',"), std::string::npos);
    EXPECT_EQ(f.substr(f.size() - 18), "END-ISO-10303-21;\n");
}

TEST(IfcExport, AFailedWriteLeavesNothingAndNamesThePathAndTheCause) {
    TempDir dir;
    Wall wall;
    // The folder does not exist.
    std::string missing = dir / "manca/out.ifc";
    IfcWriteResult r = writeIfc(missing, {"a.PAR"}, wall, fakeLoads());
    EXPECT_FALSE(r.written);
    EXPECT_NE(r.error.find(missing), std::string::npos) << r.error;
    EXPECT_NE(r.error.find("No such file"), std::string::npos) << r.error;

    // Nothing to export: an older file of the same name stays as it was.
    writeText(dir / "old.ifc", "vecchio");
    r = writeIfc(dir / "old.ifc", {"band.PAR", "bad.PAR"}, wall, fakeLoads());
    EXPECT_FALSE(r.written);
    EXPECT_NE(r.error.find("old.ifc"), std::string::npos);
    EXPECT_EQ(readText(dir / "old.ifc"), "vecchio");
    int files = 0;
    for (auto &e : std::filesystem::directory_iterator(dir.path))
        files += e.is_regular_file();
    EXPECT_EQ(files, 1); // no temporary left behind

    r = writeIfc(dir / "x.ifc", {}, wall, fakeLoads());
    EXPECT_FALSE(r.written);
    EXPECT_NE(r.error.find("Non sono stati selezionati i file dati."), std::string::npos);
}
