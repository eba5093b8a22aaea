// The tie pattern of a row of bars: inner bars alternating, mirrored about the middle.
#include "bars/bar_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace murcad {
namespace {

std::vector<int> tiedBars(int n, bool edgeRow) {
    std::vector<int> out;
    for (int k = 1; k <= n; ++k)
        if (alternateTie(k, n, edgeRow))
            out.push_back(k);
    return out;
}

TEST(TieSelection, EdgeRowsTieTheMiddleBarOfAnEvenRow) {
    EXPECT_EQ(tiedBars(6, true), (std::vector<int>{2, 3, 5}));
    EXPECT_EQ(tiedBars(7, true), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(tiedBars(8, true), (std::vector<int>{2, 4, 5, 7}));
    EXPECT_TRUE(tiedBars(2, true).empty());
}

TEST(TieSelection, WebRowsAndLevelsLeaveAnOddMiddleBarUntied) {
    EXPECT_EQ(tiedBars(6, false), (std::vector<int>{2, 5}));
    EXPECT_EQ(tiedBars(7, false), (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(tiedBars(8, false), (std::vector<int>{2, 4, 5, 7}));
}

} // namespace
} // namespace murcad
