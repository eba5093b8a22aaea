// The user's preferences file: typed values with fallbacks, round trips and atomic saving.
#include "model/user_profile.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace murcad;
using murcad::test::readText;
using murcad::test::TempDir;

TEST(UserProfile, BadValuesFallBackNamingKeyAndLine) {
    const char *text = "# preferenze\n"
                       "[Tavole]\n"
                       "scala = 50\n"
                       "colori = forse\n"
                       "margine = 12,5\n"
                       "\n"
                       "[controlli]\n"
                       "ricoprimento = -3\n"
                       "copie = 2.5\n"
                       "riga senza uguale\n";
    std::vector<LoadError> msgs;
    UserProfile p = UserProfile::parse(text, "pref.ini", &msgs);
    ASSERT_EQ(msgs.size(), 1u); // the line without "="
    EXPECT_EQ(msgs[0].line, 10);

    msgs.clear();
    EXPECT_EQ(p.integer("tavole", "SCALA", 0, 1, 10000, &msgs), 50); // names ignore case
    EXPECT_DOUBLE_EQ(p.number("tavole", "margine", 0, 0, 100, &msgs), 12.5);
    EXPECT_TRUE(p.flag("tavole", "colori", true, &msgs));
    EXPECT_DOUBLE_EQ(p.number("controlli", "ricoprimento", 2.5, 0, 20, &msgs), 2.5);
    EXPECT_EQ(p.integer("controlli", "copie", 1, 1, 9, &msgs), 1);
    EXPECT_EQ(p.integer("controlli", "mancante", 7, 1, 9, &msgs), 7); // silent
    ASSERT_EQ(msgs.size(), 3u);
    EXPECT_EQ(msgs[0].line, 4);
    EXPECT_EQ(msgs[0].found, "forse");
    EXPECT_NE(msgs[0].message.find("pref.ini, riga 4"), std::string::npos);
    EXPECT_NE(msgs[0].message.find("tavole.colori"), std::string::npos);
    EXPECT_EQ(msgs[1].line, 8);
    EXPECT_NE(msgs[1].message.find("da 0 a 20"), std::string::npos);
    EXPECT_EQ(msgs[2].line, 9);
}

TEST(UserProfile, SavesAtomicallyAndKeepsWhatItDoesNotKnow) {
    TempDir dir;
    const std::string path = dir.file("sub/murcad/preferenze.ini");
    UserProfile missing;
    std::vector<LoadError> msgs;
    EXPECT_FALSE(loadUserProfile(path, missing, &msgs));
    EXPECT_TRUE(msgs.empty());

    dir.write("seed.ini", "; note\n[altro]\nchiave = valore\n# fine\n");
    UserProfile p;
    ASSERT_TRUE(loadUserProfile(dir.file("seed.ini"), p));
    TitleBlockTexts t{"Residenza \"Le Querce\"\nlotto 2", "ing. Rossi", "ing. Bianchi", "B"};
    setTitleBlockTexts(p, t);
    p.setNumber("tavole", "scala", 50.0, 3);
    p.setText("altro", "nuova", "  c:\\dati\\  ");
    std::string why;
    ASSERT_TRUE(saveUserProfile(path, p, &why)) << why;

    UserProfile back;
    ASSERT_TRUE(loadUserProfile(path, back));
    EXPECT_EQ(titleBlockTexts(back), t);
    EXPECT_EQ(back.text("tavole", "scala"), "50");
    EXPECT_EQ(back.text("altro", "chiave"), "valore");
    EXPECT_EQ(back.text("altro", "nuova"), "c:\\dati\\");
    const std::string written = readText(path);
    EXPECT_NE(written.find("; note\n"), std::string::npos);
    EXPECT_LT(written.find("nuova ="), written.find("# fine")); // new keys before trailing notes

    // A second writer's section survives an update of the first one's.
    ASSERT_TRUE(
        updateUserProfile(path, [](UserProfile &q) { q.setFlag("tavole", "colori", true); }));
    ASSERT_TRUE(loadUserProfile(path, back));
    EXPECT_TRUE(back.flag("tavole", "colori", false));
    EXPECT_EQ(titleBlockTexts(back), t);
}

TEST(UserProfile, UnwritableFolderNamesThePathAndLeavesTheFileAlone) {
    TempDir dir;
    // A regular file where the folder should be: no user, root included, can write there.
    const std::string blocker = dir.write("murcad", "not a folder");
    std::string why;
    EXPECT_FALSE(saveUserProfile(blocker + "/preferenze.ini", UserProfile{}, &why));
    EXPECT_NE(why.find(blocker), std::string::npos) << why;
    EXPECT_EQ(readText(blocker), "not a folder");
}

TEST(UserProfile, PathFollowsXdgConfigHome) {
    const char *old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "",
                      savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(userProfilePath(), "/tmp/cfg/murcad/preferenze.ini");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    ::setenv("HOME", "/home/x", 1);
    EXPECT_EQ(userProfilePath(), "/home/x/.config/murcad/preferenze.ini");
    ::setenv("HOME", savedHome.c_str(), 1);
    if (old)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}
