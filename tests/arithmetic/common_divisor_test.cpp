// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arithmetic/common_divisor.h"

namespace tavrel {
namespace {

struct DivisorCase {
    const char* label = "";
    std::vector<std::int16_t> values;
    int unreadable = -1;  // the index of the line that is not a number; -1: none
    int divisor = 0;
    bool hitUnreadable = false;
};

class SearchCommonDivisor : public ::testing::TestWithParam<DivisorCase> {};

TEST_P(SearchCommonDivisor, FindsTheLargestDivisorOfAll)
{
    const DivisorCase& c = GetParam();
    const std::size_t unreadable = c.unreadable < 0 ? c.values.size() : static_cast<std::size_t>(c.unreadable);
    const DivisorSearch found = searchCommonDivisor(c.values, unreadable);
    EXPECT_EQ(found.divisor, c.divisor);
    EXPECT_EQ(found.hitUnreadable, c.hitUnreadable);
}

INSTANTIATE_TEST_SUITE_P(
    , SearchCommonDivisor,
    ::testing::Values(DivisorCase{"Three", {12, 18, 30}, -1, 6}, DivisorCase{"SmallestNotFirst", {30, 12, 18}, -1, 6},
                      DivisorCase{"Single", {12}, -1, 12}, DivisorCase{"Largest16Bit", {32767}, -1, 32767},
                      DivisorCase{"One", {1}, -1, 0}, DivisorCase{"Coprime", {7, 13}, -1, 0},
                      DivisorCase{"WithZero", {6, 0}, -1, 0}, DivisorCase{"WithNegative", {6, -4}, -1, 0},
                      DivisorCase{"NegativeMultiples", {12, -18}, -1, 0},
                      // A line that is not a number fails the search only when a pass reaches it.
                      DivisorCase{"UnreadableReached", {12, 18}, 1, 0, true},
                      DivisorCase{"UnreadableBehindAValueNoDivisorFits", {12, 7, 18}, 2, 0, false},
                      DivisorCase{"UnreadableReadAsZero", {12, 0}, 1, 0, false}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace tavrel
