// murcad-cli verifica: exit codes, the table and the JSON objects of the detailing checks.
#include "support/temp_dir.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

using murcad::test::TempDir;

namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

/// Runs murcad-cli with a fresh profile folder, so the user's own limits do not count.
CliRun verifica(const TempDir &home, const std::string &args) {
    CliRun r;
    std::string cmd = "HOME='" + home.file("") + "' XDG_CONFIG_HOME='" + home.file("") + "' " +
                      MURCAD_CLI + " verifica " + args +
                      " 2>/dev/null";
    FILE *p = ::popen(cmd.c_str(), "r");
    std::array<char, 4096> buf{};
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p))
        r.out.append(buf.data(), n);
    int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

std::string example(const char *name) {
    return std::string("'") + MURCAD_EXAMPLES_DIR + "/" + name + ".PAR'";
}

} // namespace

TEST(VerificaCommand, ExitCodeTellsWhetherEveryCheckPasses) {
    TempDir home;
    CliRun ok = verifica(home, example("realistic_10_storeys"));
    EXPECT_EQ(ok.status, 0);
    EXPECT_NE(ok.out.find("Piano 10"), std::string::npos);
    EXPECT_NE(ok.out.find("9.6.2(1)"), std::string::npos);
    EXPECT_NE(ok.out.find("non sostituiscono la verifica di progetto"), std::string::npos);

    // The wall without edge zones has 0.17 % of vertical steel and no ties.
    CliRun bad = verifica(home, example("no_edge_zones") + " " + example("realistic_10_storeys"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.out.find("NON VERIFICATO"), std::string::npos);

    EXPECT_EQ(verifica(home, "").status, 2);
    EXPECT_EQ(verifica(home, "--bogus " + example("diagonal")).status, 2);
    EXPECT_EQ(verifica(home, example("band_element")).status, 1);

    // A national annex asking for 0.15 % lets the wall without edge zones pass that check.
    std::filesystem::create_directories(home.file("murcad"));
    home.write("murcad/preferenze.ini", "[verifiche]\nRhoVMin = 0,0015\n");
    CliRun annex = verifica(home, example("no_edge_zones"));
    EXPECT_NE(annex.out.find("\xe2\x89\xa5 0.15 %"), std::string::npos);
    EXPECT_NE(annex.out.find("RhoVMin = 0.0015 (raccomandato 0.002)"), std::string::npos);
}

TEST(VerificaCommand, JsonHasOneObjectPerCheck) {
    TempDir home;
    CliRun r = verifica(home, "--json " + example("no_edge_zones"));
    EXPECT_EQ(r.status, 1);
    ASSERT_EQ(r.out.front(), '[');
    for (const char *key : {"\"Storey\": 1", "\"Check\": \"Armatura verticale minima\"",
                            "\"Clause\": \"9.6.2(1)\"", "\"Value\"", "\"Limit\": 0.2",
                            "\"Pass\": false", "\"Outcome\": \"warning\""})
        EXPECT_NE(r.out.find(key), std::string::npos) << key;
}
