// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"
#include "support/test_locale.h"

namespace tavrel {
namespace {

using testing::InTestLocale;

struct TextCase {
    std::string label;
    double value;
    std::string text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.label; }
std::string labelOf(const ::testing::TestParamInfo<TextCase>& info) { return info.param.label; }

class NumberTextDouble : public InTestLocale<::testing::TestWithParam<TextCase>> {};

TEST_P(NumberTextDouble, WritesDigitsOrExponentForm) { EXPECT_EQ(numberToText(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    , NumberTextDouble,
    ::testing::Values(TextCase{"Zero", 0, "0"}, TextCase{"NegativeZero", -0.0, "0"}, TextCase{"Seven", 7, "7"},
                      TextCase{"MinusSeven", -7, "-7"}, TextCase{"LargestInt32", 2147483647, "2147483647"},
                      TextCase{"SmallestInt32", -2147483648.0, "-2147483648"},
                      TextCase{"BeyondInt32", 4294967294.0, "4294967294"},
                      TextCase{"LargestPlain", 999999999999999, "999999999999999"},
                      TextCase{"LargestPlainNegative", -999999999999999, "-999999999999999"},
                      TextCase{"TenToTheFifteen", 1e15, "1E+15"}, TextCase{"MinusTenToTheFifteen", -1e15, "-1E+15"},
                      TextCase{"TrailingZerosDropped", 2147483647e6, "2.147483647E+15"},
                      TextCase{"RoundedToFifteenDigits", 123456789012345678.0, "1.23456789012346E+17"},
                      TextCase{"RoundsUpIntoNextPower", 9999999999999999.0, "1E+16"},
                      TextCase{"NegativeExponentForm", -4611686014132420609.0, "-4.61168601413242E+18"},
                      TextCase{"ThreeDigitExponent", 1.5e300, "1.5E+300"}, TextCase{"TwoDigitExponent", 1e99, "1E+99"},
                      TextCase{"LargestDouble", std::numeric_limits<double>::max(), "1.79769313486232E+308"}),
    labelOf);

struct WholeCase {
    std::string label;
    std::int64_t value;
    std::string text;
};

void PrintTo(const WholeCase& c, std::ostream* os) { *os << c.label; }
std::string wholeLabel(const ::testing::TestParamInfo<WholeCase>& info) { return info.param.label; }

class NumberTextWhole : public InTestLocale<::testing::TestWithParam<WholeCase>> {};

// The whole-number path must agree with the double one, and append without
// disturbing what is already there.
TEST_P(NumberTextWhole, AgreesWithTheDoublePathAndAppends)
{
    const WholeCase& c = GetParam();
    EXPECT_EQ(numberToText(c.value), c.text);
    std::string line = "k x ";
    appendNumber(line, c.value);
    EXPECT_EQ(line, "k x " + c.text);
}

INSTANTIATE_TEST_SUITE_P(
    , NumberTextWhole,
    ::testing::Values(WholeCase{"Zero", 0, "0"}, WholeCase{"MinusOne", -1, "-1"},
                      WholeCase{"LargestPlain", 999'999'999'999'999, "999999999999999"},
                      WholeCase{"LargestPlainNegative", -999'999'999'999'999, "-999999999999999"},
                      WholeCase{"TenToTheFifteen", 1'000'000'000'000'000, "1E+15"},
                      WholeCase{"MinusTenToTheFifteen", -1'000'000'000'000'000, "-1E+15"},
                      WholeCase{"RoundedToFifteenDigits", 123'456'789'012'345'678, "1.23456789012346E+17"},
                      WholeCase{"LargestMultiple", std::int64_t{2147483647} * 2147483647, "4.61168601413242E+18"},
                      WholeCase{"Largest", std::numeric_limits<std::int64_t>::max(), "9.22337203685478E+18"},
                      WholeCase{"Smallest", std::numeric_limits<std::int64_t>::min(), "-9.22337203685478E+18"}),
    wholeLabel);

// Whatever the list shows must read back as the same number: the GCD mode
// reads list lines that collectNumber wrote.
TEST(NumberTextRoundTrip, PlainDigitsReadBackExactly)
{
    for (double v :
         {0.0, 1.0, -1.0, 36.0, 2147483647.0, -2147483648.0, 4294967294.0, 999999999999999.0, -999999999999999.0}) {
        Result<double> back = readStrict(numberToText(v));
        ASSERT_TRUE(back.ok()) << numberToText(v);
        EXPECT_EQ(*back, v);
    }
}

}  // namespace
}  // namespace tavrel
