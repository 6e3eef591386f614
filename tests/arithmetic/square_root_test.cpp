// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "arithmetic/square_root.h"

namespace tavrel {
namespace {

// What splitSquareRoot makes of n: "whole x root rest", "none" or the failure.
std::string splitOf(double n)
{
    const Result<std::optional<SurdSplit>> got = splitSquareRoot(n);
    if (!got)
        return std::string(describe(got.failure()));
    return *got ? std::to_string((*got)->whole) + " x root " + std::to_string((*got)->rest) : "none";
}

struct RootCase {
    const char* label;
    double n;
    const char* split;
};

class SplitSquareRoot : public ::testing::TestWithParam<RootCase> {};

TEST_P(SplitSquareRoot, TakesOutTheLargestSquare) { EXPECT_EQ(splitOf(GetParam().n), GetParam().split); }

INSTANTIATE_TEST_SUITE_P(
    , SplitSquareRoot,
    ::testing::Values(RootCase{"NineTimesRootSeven", 567, "9 x root 7"}, RootCase{"PerfectSquare", 81, "9 x root 1"},
                      RootCase{"SmallestSquare", 4, "2 x root 1"}, RootCase{"Eight", 8, "2 x root 2"},
                      // 4 and 9 divide 72 as well; 36 is the largest square that does.
                      RootCase{"LargestOfSeveralSquares", 72, "6 x root 2"}, RootCase{"SquareFree", 30, "none"},
                      RootCase{"Zero", 0, "none"}, RootCase{"One", 1, "none"}, RootCase{"Two", 2, "none"},
                      RootCase{"Three", 3, "none"}, RootCase{"LargestInt32", 2147483647, "none"},
                      RootCase{"LargestSquareInInt32", 2147395600, "46340 x root 1"},
                      RootCase{"Negative", -8, "Invalid procedure call or argument"},
                      RootCase{"Beyond32Bits", 2147483648.0, "Overflow"}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace tavrel
