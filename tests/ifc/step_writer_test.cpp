// The STEP physical file: numbers, strings and the global ids of IFC instances.
#include "ifc/ifc_model.h"
#include "ifc/step_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>

using namespace murcad;

TEST(StepWriter, RealsCarryADecimalPointAndMicrometres) {
    struct Case {
        double v;
        const char *text;
    } cases[] = {{0, "0."},        {3, "3."},         {0.25, "0.25"},   {-0.5, "-0.5"},
                 {1e-7, "1.E-07"}, {-2.5e-8, "-2.5E-08"}, {-0.0, "0."}, {12.3456789, "12.345679"},
                 {1e7, "10000000."}};
    for (const Case &c : cases) {
        std::string s;
        EXPECT_TRUE(formatStepReal(c.v, s));
        EXPECT_EQ(s, c.text) << c.v;
    }
    StepArgs a;
    a.real(NAN).real(INFINITY).real(1.5);
    EXPECT_EQ(a.text(), "0.,0.,1.5");
    EXPECT_EQ(a.nonFinite(), 2);
}

TEST(StepWriter, ExactRealsReadBackToTheSameDouble) {
    const double area = 3.14159265358979323846 * 0.016 * 0.016 / 4; // a bar of 16 in m2
    std::string s;
    EXPECT_TRUE(formatStepRealExact(area, s));
    EXPECT_EQ(s.find('e'), std::string::npos);
    EXPECT_NE(s.find('E'), std::string::npos);
    EXPECT_EQ(std::strtod(s.c_str(), nullptr), area) << s;
    s.clear();
    formatStepRealExact(2, s);
    EXPECT_EQ(s, "2.E+00");
}

TEST(StepWriter, StringsAreEscapedForStep) {
    EXPECT_EQ(stepString("Parete n. 7"), "'Parete n. 7'");
    EXPECT_EQ(stepString("l'armatura"), "'l''armatura'");
    EXPECT_EQ(stepString("C:\\dati"), "'C:\\\\dati'");
    EXPECT_EQ(stepString("unità"), "'unit\\X2\\00E0\\X0\\'");
    EXPECT_EQ(stepString("a\nb"), "'a\\X2\\000A\\X0\\b'");
    // A character outside the basic plane becomes a surrogate pair.
    EXPECT_EQ(stepString("\xF0\x9F\x98\x80"), "'\\X2\\D83DDE00\\X0\\'");
    // A file name that is not UTF-8 keeps its bytes as Latin-1 characters.
    EXPECT_EQ(stepString("citt\xE0.PAR"), "'citt\\X\\E0.PAR'");
    EXPECT_EQ(stepString("\xC3"), "'\\X\\C3'");
}

TEST(StepWriter, InstancesAreNumberedInOrderInsideTheDataSection) {
    StepHeader h;
    h.fileName = "prova.ifc";
    h.timeStamp = "2026-01-02T03:04:05";
    StepWriter w(h);
    StepId a = w.add("IFCCARTESIANPOINT", StepArgs().reals({0., 0., 1.}));
    StepId b = w.add("IFCPOLYLINE", StepArgs().refs({a, a}));
    StepId c = w.add("IFCWALL", StepArgs().ref(0).unset().derived().enumeration("SHEAR")
                                    .integer(-3).typed("IFCLABEL", "'x'"));
    EXPECT_EQ(a, 1u);
    EXPECT_EQ(b, 2u);
    EXPECT_EQ(w.count(), 3u);
    (void)c;
    std::string f = w.finish();
    EXPECT_EQ(f.rfind("ISO-10303-21;\nHEADER;\n", 0), 0u);
    EXPECT_NE(f.find("FILE_NAME('prova.ifc','2026-01-02T03:04:05'"), std::string::npos);
    EXPECT_NE(f.find("FILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n#1=IFCCARTESIANPOINT((0.,0.,1.));\n"
                     "#2=IFCPOLYLINE((#1,#1));\n#3=IFCWALL($,$,*,.SHEAR.,-3,IFCLABEL('x'));\n"
                     "ENDSEC;\nEND-ISO-10303-21;\n"),
              std::string::npos);
}

TEST(IfcGlobalId, IsStableWellFormedAndDistinct) {
    const std::string alphabet =
        "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
    std::set<std::string> ids;
    for (int i = 0; i < 20000; ++i) {
        std::string id = ifcGlobalId("parete.PAR/piano/" + std::to_string(i));
        ASSERT_EQ(id.size(), 22u);
        // 128 bits: the first digit holds only the two highest bits.
        ASSERT_NE(std::string("0123").find(id[0]), std::string::npos) << id;
        for (char c : id)
            ASSERT_NE(alphabet.find(c), std::string::npos) << id;
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 20000u);
    EXPECT_EQ(ifcGlobalId("a"), ifcGlobalId("a"));
    EXPECT_NE(ifcGlobalId("a"), ifcGlobalId("b"));
}
