// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "arithmetic/factors.h"

namespace tavrel {
namespace {

struct FactorsCase {
    const char* label = "";
    std::int32_t n = 0;
    Range range = {};
    const char* smallFactors = "";  // each pair's smaller member; the pair must multiply back to n
    std::int64_t shownFactors = 0;
    const char* holds = "";  // which of prime, palindrome, odd are true
    std::optional<Failure> failure = {};
};

std::string holdsOf(const Factors& f)
{
    const std::string words = std::string(f.prime ? " prime" : "") + (f.palindrome ? " palindrome" : "") +
                              (f.odd ? " odd" : "");
    return words.empty() ? words : words.substr(1);
}

class FactorsOf : public ::testing::TestWithParam<FactorsCase> {};

TEST_P(FactorsOf, PairsCountAndSummary)
{
    const FactorsCase& c = GetParam();
    const Result<Factors> got = factorsOf(c.n, c.range);
    ASSERT_EQ(got ? std::nullopt : std::optional(got.failure()), c.failure);
    if (!got)
        return;
    std::string smalls;
    for (const FactorPair& pair : got->pairs) {
        EXPECT_EQ(pair.small * pair.large, c.n);
        EXPECT_LE(pair.small, pair.large);
        smalls += smalls.empty() ? "" : " ";
        smalls += std::to_string(pair.small);
    }
    EXPECT_EQ(smalls, c.smallFactors);
    EXPECT_EQ(got->shownFactors, c.shownFactors);
    EXPECT_EQ(holdsOf(*got), c.holds);
}

INSTANTIATE_TEST_SUITE_P(
    , FactorsOf,
    ::testing::Values(FactorsCase{"ThirtySix", 36, {}, "1 2 3 4 6", 9, ""},
                      FactorsCase{"Seven", 7, {}, "1", 2, "prime palindrome odd"},
                      FactorsCase{"Twelve", 12, {}, "1 2 3", 6, ""},
                      FactorsCase{"SquareOfAPrime", 49, {}, "1 7", 3, "odd"},
                      FactorsCase{"Two", 2, {}, "1", 2, "prime palindrome"},
                      // Every digit counts for a palindrome, not just two at each end.
                      FactorsCase{"EndsMirrorMiddleNot", 125621, {}, "1", 2, "prime odd"},
                      FactorsCase{"LargestInt32", 2147483647, {}, "1", 2, "prime odd"},
                      FactorsCase{"PalindromeSquare", 121, {}, "1 11", 3, "palindrome odd"},
                      FactorsCase{"EvenLengthPalindrome", 1221, {}, "1 3 11 33", 8, "palindrome odd"},
                      FactorsCase{"NotAPalindrome", 1234, {}, "1 2", 4, ""},
                      // 1 has one factor and is no prime.
                      FactorsCase{"One", 1, {}, "1", 1, "palindrome odd"},
                      // The trial divisors pass 2^15, whose square no longer fits 16 bits.
                      FactorsCase{"PowerOfTwoPastSixteenBits",
                                  1073741824,
                                  {},
                                  "1 2 4 8 16 32 64 128 256 512 1024 2048 4096 8192 16384 32768",
                                  31,
                                  ""},
                      // Ranges: a pair is shown when either member is inside; the count still starts at 2.
                      FactorsCase{"RangeAroundTheRoot", 36, {5, 10}, "4 6", 5, ""},
                      FactorsCase{"RangeHoldingOne", 36, {1, 3}, "1 2 3", 6, ""},
                      FactorsCase{"RangeMissingEveryFactor", 35, {6, 6}, "", 2, "odd"},
                      FactorsCase{"RangeFromZero", 36, {0, 9}, "1 2 3 4 6", 9, ""},
                      FactorsCase{"RangeHoldingOnlyTheNumber", 36, {30, 40}, "", 2, ""},
                      FactorsCase{"RangeUpperBelowLower", 36, {5, 0}, "", 2, ""},
                      FactorsCase{.label = "Negative", .n = -36, .failure = Failure::InvalidArgument}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace tavrel
