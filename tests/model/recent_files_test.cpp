// The recent wall files: newest first, no duplicates, at most eight.
#include "model/recent_files.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace murcad;

TEST(RecentFiles, NewestFirstWithoutDuplicatesAndAtMostEight) {
    std::vector<std::string> list;
    for (int i = 1; i <= 10; ++i)
        list = withRecentFile(list, "/w/P" + std::to_string(i) + ".PAR");
    ASSERT_EQ(list.size(), 8u);
    EXPECT_EQ(list.front(), "/w/P10.PAR");
    EXPECT_EQ(list.back(), "/w/P3.PAR");
    list = withRecentFile(list, "/w/P5.PAR"); // opened again: moves up, not twice
    EXPECT_EQ(list.size(), 8u);
    EXPECT_EQ(list[0], "/w/P5.PAR");
    EXPECT_EQ(list[1], "/w/P10.PAR");
    EXPECT_EQ(std::count(list.begin(), list.end(), "/w/P5.PAR"), 1);
    list = withoutRecentFile(list, "/w/P10.PAR");
    EXPECT_EQ(list.size(), 7u);
    EXPECT_EQ(list[1], "/w/P9.PAR");
    EXPECT_EQ(withRecentFile({"", "/a.PAR"}, ""), std::vector<std::string>{"/a.PAR"});
}
