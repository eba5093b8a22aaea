// murcad-cli --help, --version, a command's own help and the usage errors with exit code 2.
#include "support/temp_dir.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <regex>
#include <string>

using murcad::test::TempDir;

namespace {

struct CliRun {
    int status = -1;
    std::string out, err;
};

CliRun run(const std::string &args) {
    TempDir dir;
    CliRun r;
    std::string cmd = std::string(MURCAD_CLI) + " " + args + " 2>" + dir.file("err");
    FILE *p = ::popen(cmd.c_str(), "r");
    std::array<char, 4096> buf{};
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p))
        r.out.append(buf.data(), n);
    int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    r.err = murcad::test::readText(dir.file("err"));
    return r;
}

bool contains(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(CliHelp, ListsEveryCommandAndOptionOnStdout) {
    CliRun r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.empty()) << r.err;
    for (const char *part :
         {"Uso: murcad-cli COMANDO", "\n  info PARETE.PAR\n", "\n  dxf -o ",
          "\n  computo PARETE.PAR", "\n  render PARETE.PAR", "--version", "Stato d'uscita"})
        EXPECT_TRUE(contains(r.out, part)) << part << " in\n" << r.out;
    EXPECT_EQ(run("-h").out, r.out);
}

TEST(CliHelp, WritesAccentedLettersNotApostrophes) {
    // "più", "è", "quantità": an apostrophe right after a vowel and before a blank or the end
    // of a word is the typewriter spelling of an accent ("un'immagine" is an elision, fine).
    std::string help = run("--help").out;
    std::smatch m;
    EXPECT_FALSE(std::regex_search(help, m, std::regex("[aeiouAEIOU]'([^A-Za-z]|$)")))
        << "\"" << m.str() << "\" in\n"
        << help;
    EXPECT_TRUE(contains(help, "è")) << help;
}

TEST(CliHelp, VersionNamesTheProgramAndItsVersion) {
    CliRun r = run("--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(
        std::regex_match(r.out, std::regex("murcad-cli \\(MURCAD Vavire\\) [0-9]+(\\.[0-9]+)+\n")))
        << r.out;
    EXPECT_EQ(run("-V").out, r.out);
}

TEST(CliHelp, ACommandShowsItsOwnUsage) {
    CliRun r = run("dxf --help");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("Uso: murcad-cli dxf -o FILE.dxf", 0), 0u) << r.out;
    EXPECT_TRUE(contains(r.out, "\n      scrive un file DXF")) << r.out;
}

TEST(CliHelp, AWrongOptionOrCommandPrintsTheUsageAndExitsWith2) {
    struct Case {
        const char *args;
        const char *message;
    };
    for (Case c : {Case{"--bogus", "opzione sconosciuta \"--bogus\""},
                   Case{"disegna x.PAR", "comando sconosciuto \"disegna\""}, Case{"", ""},
                   Case{"info --bogus", "opzione sconosciuta \"--bogus\""},
                   Case{"render x.PAR", "manca l'immagine da scrivere"},
                   Case{"dxf --scale 1:25 -o", "manca il nome del file dopo -o"}}) {
        CliRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_TRUE(r.out.empty()) << c.args;
        EXPECT_TRUE(contains(r.err, c.message)) << c.args << ":\n" << r.err;
        EXPECT_TRUE(contains(r.err, "Uso: murcad-cli ")) << c.args << ":\n" << r.err;
    }
}
