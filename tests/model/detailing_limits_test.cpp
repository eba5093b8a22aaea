// The limits of the detailing checks: reading a value, and their section of the preferences.
#include "model/detailing_limits.h"
#include "model/user_profile.h"

#include <gtest/gtest.h>

namespace murcad {
namespace {

TEST(DetailingLimits, ReadsACommaAndRefusesValuesOutsideTheRange) {
    DetailingLimits lim;
    const DetailingParameter *p = findDetailingParameter("RhoVMin");
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(setDetailingLimit(lim, *p, "0,0025"));
    EXPECT_DOUBLE_EQ(lim.rhoVMin, 0.0025);
    EXPECT_EQ(detailingLimitText(lim, *p), "0.0025");
    std::string why;
    EXPECT_FALSE(setDetailingLimit(lim, *p, "0.5", &why));
    EXPECT_NE(why.find("RhoVMin"), std::string::npos);
    EXPECT_FALSE(setDetailingLimit(lim, *p, "0.002x", &why));
    EXPECT_DOUBLE_EQ(lim.rhoVMin, 0.0025);
}

TEST(DetailingLimits, KeptInTheirSectionOfTheUserPreferences) {
    DetailingLimits lim;
    lim.tiesPerSquareMetreMin = 3.5;
    lim.vertSpacingMaxMm = 300;
    UserProfile profile = UserProfile::parse("[cartiglio]\nprogetto = P\n", "preferenze.ini");
    setDetailingLimits(profile, lim);
    UserProfile again = UserProfile::parse(profile.serialise(), "preferenze.ini");
    EXPECT_EQ(detailingLimits(again), lim);
    EXPECT_EQ(again.text(kTitleBlockSection, "progetto"), "P");

    // A value out of range keeps the recommended one and says where it was.
    std::vector<LoadError> messages;
    UserProfile bad = UserProfile::parse("[verifiche]\nRhoVMax = 7\n", "preferenze.ini");
    EXPECT_EQ(detailingLimits(bad, &messages), DetailingLimits{});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].line, 2);
    EXPECT_EQ(changedDetailingLimits(lim).size(), 2u);
}

} // namespace
} // namespace murcad
