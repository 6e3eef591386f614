// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "arithmetic/multiples.h"

namespace tavrel {
namespace {

std::vector<std::string> linesOf(std::int64_t number, const Multipliers& k)
{
    std::vector<std::string> lines;
    const auto keep = [&lines](std::string_view line) {
        lines.emplace_back(line);
        return true;
    };
    EXPECT_TRUE(writeMultiples(number, k, keep));  // true: the sink never said stop
    return lines;
}

struct MultiplesCase {
    const char* label = "";
    std::int64_t number = 0;
    std::int32_t count = 0;
    std::int32_t step = 1;
    Range range = {};
    std::size_t lines = 0;
    const char* first = "";  // "": no lines
    const char* last = "";
    std::optional<Failure> failure = {};
};

class ShownMultiples : public ::testing::TestWithParam<MultiplesCase> {};

TEST_P(ShownMultiples, WritesTheLinesInsideTheRange)
{
    const MultiplesCase& c = GetParam();
    const Result<Multipliers> k = shownMultipliers(c.number, c.count, c.step, c.range);
    ASSERT_EQ(k ? std::nullopt : std::optional(k.failure()), c.failure);
    if (!k)
        return;
    const std::vector<std::string> lines = linesOf(c.number, *k);
    EXPECT_EQ(lines.size(), c.lines);
    EXPECT_EQ(lines.empty() ? "" : lines.front(), c.first);
    EXPECT_EQ(lines.empty() ? "" : lines.back(), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    , ShownMultiples,
    ::testing::Values(MultiplesCase{"Defaults", 7, 1000, 1, {}, 1000, "1 x 7 = 7", "1000 x 7 = 7000"},
                      MultiplesCase{"RatioTwo", 7, 1000, 2, {}, 1000, "2 x 7 = 14", "2000 x 7 = 14000"},
                      MultiplesCase{"RatioThree", 7, 500, 3, {}, 500, "3 x 7 = 21", "1500 x 7 = 10500"},
                      MultiplesCase{"StepBelowOne", 7, 1000, 0, {}, 0},
                      MultiplesCase{"Range", 7, 1000, 1, {50, 100}, 7, "8 x 7 = 56", "14 x 7 = 98"},
                      MultiplesCase{"RangeNegative", -7, 1000, 1, {50, 100}, 0},
                      MultiplesCase{"RangeNegativeProducts", -7, 20, 1, {-30, -14}, 3, "2 x -7 = -14", "4 x -7 = -28"},
                      MultiplesCase{"RangeWithStep", 5, 100, 3, {10, 60}, 4, "3 x 5 = 15", "12 x 5 = 60"},
                      // The range begins at k = 4, between two steps: the first shown k is the step above it.
                      MultiplesCase{"RangeStartBetweenSteps", 1, 10, 3, {4, 20}, 5, "6 x 1 = 6", "18 x 1 = 18"},
                      MultiplesCase{"RangeUpperZero", 7, 1000, 1, {5, 0}, 0},
                      MultiplesCase{"ZeroInRange", 0, 3, 1, {0, 9}, 3, "1 x 0 = 0", "3 x 0 = 0"},
                      MultiplesCase{"ZeroOutOfRange", 0, 3, 1, {1, 9}, 0},
                      MultiplesCase{"Zero", 0, 1000, 1, {}, 1000, "1 x 0 = 0", "1000 x 0 = 0"},
                      MultiplesCase{"ProductBeyond32Bits",
                                    2147483647,
                                    2,
                                    1,
                                    {},
                                    2,
                                    "1 x 2147483647 = 2147483647",
                                    "2 x 2147483647 = 4294967294"},
                      MultiplesCase{"ProductInExponentForm",
                                    2147483647,
                                    1,
                                    1000000,
                                    {},
                                    1,
                                    "1000000 x 2147483647 = 2.147483647E+15",
                                    "1000000 x 2147483647 = 2.147483647E+15"},
                      MultiplesCase{"LargestProduct",
                                    2147483647,
                                    1,
                                    2147483647,
                                    {},
                                    1,
                                    "2147483647 x 2147483647 = 4.61168601413242E+18",
                                    "2147483647 x 2147483647 = 4.61168601413242E+18"},
                      MultiplesCase{.label = "LimitOverflow",
                                    .number = 7,
                                    .count = 100000,
                                    .step = 100000,
                                    .failure = Failure::Overflow}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(WriteMultiples, EveryLineOfASmallRun)
{
    EXPECT_EQ(linesOf(-4, Multipliers{1, 3, 1}),
              (std::vector<std::string>{"1 x -4 = -4", "2 x -4 = -8", "3 x -4 = -12"}));
}

}  // namespace
}  // namespace tavrel
