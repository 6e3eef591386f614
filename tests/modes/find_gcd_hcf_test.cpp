// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "modes/find_gcd_hcf.h"
#include "support/box_check.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;
using testing::splitLines;

// The divisor search is checked in arithmetic/common_divisor_test.cpp; here,
// what the mode adds: reading the list's lines, the message box, the error
// report and what the box shows afterwards.
struct GcdRun {
    const char* name;
    const char* lines;      // the collected list, " / " between lines
    const char* box;        // the input box afterwards
    int reported;           // the number in the message box, 0 for none
    const char* listAfter;  // nullptr: unchanged
};

class FindGcdHcfRun : public ::testing::TestWithParam<GcdRun> {};

TEST_P(FindGcdHcfRun, ReportsTheGreatestCommonDivisor)
{
    const GcdRun& c = GetParam();
    FakeWindow f;
    f.setLines(splitLines(c.lines));
    f.input.setText("typed but not entered");
    findGcdHcf(f.context);
    EXPECT_EQ(f.input.text(), c.box);
    EXPECT_EQ(f.lines(), splitLines(c.listAfter ? c.listAfter : c.lines));
    ASSERT_EQ(f.dialogs.calls.size(), c.reported ? 1u : 0u);
    if (c.reported) {
        EXPECT_TRUE(testing::isBox(f.dialogs.calls[0],
                                   "The GCD/HCF of all the numbers in the list is: " + std::to_string(c.reported),
                                   "GCD/HCF", Buttons::Ok, Icon::Information));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindGcdHcfRun,
    ::testing::Values(GcdRun{"Halves", "12.5 / 6", "6", 6, nullptr},
                      GcdRun{"LaterLineNotANumber", "12 / abc", "No solution", 0, nullptr},
                      GcdRun{"LaterLineWithTextAfterNumber", "12 / 18abc", "Running...", 0, "ERROR! / Type mismatch"},
                      GcdRun{"TooBig", "12 / 40000", "Running...", 0, "ERROR! / Overflow"},
                      GcdRun{"TooSmall", "-40000 / 12", "Running...", 0, "ERROR! / Overflow"},
                      GcdRun{"FirstLineNotANumber", "abc / 12", "Running...", 0, "ERROR! / Type mismatch"},
                      GcdRun{"Empty", "", "Running...", 0, "ERROR! / Type mismatch"},
                      GcdRun{"ErrorReportInList", "ERROR! / Overflow", "Running...", 0, "ERROR! / Type mismatch"},
                      GcdRun{"MultiplesLines", "4 / 1 x 7 = 7", "No solution", 0, nullptr},
                      GcdRun{"Huge", "1e400 / 1", "Running...", 0, "ERROR! / Overflow"}),
    [](const ::testing::TestParamInfo<GcdRun>& info) { return info.param.name; });

TEST(FindGcdHcf, AgainAfterAddingANumber)
{
    FakeWindow f;
    f.setLines({"12", "18"});
    findGcdHcf(f.context);
    EXPECT_EQ(f.input.text(), "6");
    ASSERT_TRUE(f.list.append("8"));
    findGcdHcf(f.context);
    EXPECT_EQ(f.input.text(), "2");
}

TEST(FindGcdHcf, LongListStaysCorrect)
{
    FakeWindow f;
    for (int i = 1; i <= 100000; ++i)
        ASSERT_TRUE(f.list.append(std::to_string(2310 * (i % 7 + 1))));
    findGcdHcf(f.context);
    EXPECT_EQ(f.input.text(), "2310");
}

}  // namespace
}  // namespace tavrel
