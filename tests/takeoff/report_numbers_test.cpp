// Tests of the report's number formats and of the user's decimal separator.
#include "takeoff/report_numbers.h"

#include "italian_locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale.h>
#include <optional>
#include <string>

using namespace murcad;

TEST(FormatReportNumber, FixedDecimalsHalvesAwayFromZero) {
    EXPECT_EQ(formatReportNumber(135, 1, '.'), "135.0");
    EXPECT_EQ(formatReportNumber(34.0921f, 2, '.'), "34.09");
    EXPECT_EQ(formatReportNumber(34.0921f, 2, ','), "34,09");
    EXPECT_EQ(formatReportNumber(0.125f, 2, '.'), "0.13");
    EXPECT_EQ(formatReportNumber(1.005f, 2, '.'), "1.01"); // as written, not as stored
    EXPECT_EQ(formatReportNumber(99.995f, 2, '.'), "100.00");
    EXPECT_EQ(formatReportNumber(-2.5f, 0, '.'), "-3");
    EXPECT_EQ(formatReportNumber(-0.001f, 2, '.'), "0.00");
    EXPECT_EQ(formatReportNumber(0, 2, ','), "0,00");
    EXPECT_EQ(formatReportNumber(1234567.0f, 2, '.'), "1234567.00"); // no thousands separator
    EXPECT_EQ(formatReportNumber(7, 0, ','), "7");
}

namespace {

/// Sets LC_ALL for the duration of a test and restores it.
class UserLocale : public ::testing::Test {
protected:
    void TearDown() override {
        restore("LC_ALL", savedAll_);
        restore("LC_NUMERIC", savedNumeric_);
        restore("LOCPATH", savedLocPath_);
    }
    void use(const char *name) {
        ::setenv("LC_ALL", name, 1);
        ::unsetenv("LC_NUMERIC");
    }
    bool provideItalian() {
        std::string locpath;
        if (!murcad::test::provideItalianLocale(locpath))
            return false;
        if (!locpath.empty())
            ::setenv("LOCPATH", locpath.c_str(), 1);
        return murcad::test::localeAvailable("it_IT.UTF-8");
    }

private:
    static std::optional<std::string> get(const char *name) {
        const char *v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    }
    static void restore(const char *name, const std::optional<std::string> &v) {
        if (v)
            ::setenv(name, v->c_str(), 1);
        else
            ::unsetenv(name);
    }
    std::optional<std::string> savedAll_ = get("LC_ALL");
    std::optional<std::string> savedNumeric_ = get("LC_NUMERIC");
    std::optional<std::string> savedLocPath_ = get("LOCPATH");
};

} // namespace

TEST_F(UserLocale, CLocalePrintsAPoint) {
    use("C");
    EXPECT_EQ(userDecimalSeparator(), '.');
}

TEST_F(UserLocale, ItalianLocalePrintsACommaWithoutTouchingTheProcessLocale) {
    if (!provideItalian())
        GTEST_SKIP() << "it_IT.UTF-8 not available and localedef could not build it";
    use("it_IT.UTF-8");
    EXPECT_EQ(userDecimalSeparator(), ',');
    // The process's own locale stays the classic one.
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
}

TEST_F(UserLocale, UnknownLocaleFallsBackToAPoint) {
    use("xx_YY.UTF-8");
    EXPECT_EQ(userDecimalSeparator(), '.');
}
