#include <gtest/gtest.h>

#include "modes/find_gcd_hcf.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;
using testing::splitLines;

struct GcdCase {
    const char* name;
    const char* lines;   // the collected list, " / " between lines
    const char* box;     // the input box afterwards
    int reported;        // the number in the message box, 0 for none
    std::int32_t y;
    const char* listAfter;  // nullptr: unchanged
};

class FindGcdHcfTable : public ::testing::TestWithParam<GcdCase> {};

TEST_P(FindGcdHcfTable, ReportsTheGreatestCommonDivisor)
{
    const GcdCase& c = GetParam();
    FakeWindow f;
    f.setLines(splitLines(c.lines));
    f.input.setText("typed but not entered");
    findGcdHcf(f.window);
    EXPECT_EQ(f.input.text(), c.box);
    EXPECT_EQ(f.lines(), splitLines(c.listAfter ? c.listAfter : c.lines));
    if (c.reported) {
        ASSERT_EQ(f.dialogs.calls.size(), 1u);
        EXPECT_EQ(f.dialogs.calls[0].prompt,
                  "The GCD/HCF of all the numbers in the list is: " + std::to_string(c.reported));
        EXPECT_EQ(f.dialogs.calls[0].title, "GCD/HCF");
        EXPECT_EQ(f.dialogs.calls[0].buttons, Buttons::Ok);
        EXPECT_EQ(f.dialogs.calls[0].icon, Icon::Information);
    } else {
        EXPECT_TRUE(f.dialogs.calls.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindGcdHcfTable,
    ::testing::Values(
        GcdCase{"Three", "12 / 18 / 30", "6", 6, 6, nullptr},
        GcdCase{"Single", "12", "12", 12, 12, nullptr},
        GcdCase{"Coprime", "7 / 13", "No solution", 0, 1, nullptr},
        GcdCase{"WithZero", "6 / 0", "No solution", 0, 1, nullptr},
        GcdCase{"WithNegative", "6 / -4", "No solution", 0, 1, nullptr},
        GcdCase{"NegativeMultiples", "12 / -18", "No solution", 0, 1, nullptr},
        GcdCase{"One", "1", "No solution", 0, 1, nullptr},
        GcdCase{"SmallestNotFirst", "30 / 12 / 18", "6", 6, 6, nullptr},
        GcdCase{"Largest16Bit", "32767", "32767", 32767, 32767, nullptr},
        GcdCase{"Halves", "12.5 / 6", "6", 6, 6, nullptr},
        GcdCase{"LaterLineNotANumber", "12 / abc", "No solution", 0, 1, nullptr},
        GcdCase{"LaterLineWithTextAfterNumber", "12 / 18abc", "Running...", 0, 1, "ERROR! / Type mismatch"},
        GcdCase{"TooBig", "12 / 40000", "Running...", 0, 1, "ERROR! / Overflow"},
        GcdCase{"TooSmall", "-40000 / 12", "Running...", 0, 1, "ERROR! / Overflow"},
        GcdCase{"FirstLineNotANumber", "abc / 12", "Running...", 0, 1, "ERROR! / Type mismatch"},
        GcdCase{"Empty", "", "Running...", 0, 1, "ERROR! / Type mismatch"},
        GcdCase{"ErrorReportInList", "ERROR! / Overflow", "Running...", 0, 1, "ERROR! / Type mismatch"},
        GcdCase{"MultiplesLines", "4 / 1 x 7 = 7", "No solution", 0, 1, nullptr},
        GcdCase{"Huge", "1e400 / 1", "Running...", 0, 1, "ERROR! / Overflow"}),
    [](const ::testing::TestParamInfo<GcdCase>& info) { return info.param.name; });

TEST(FindGcdHcf, AgainAfterAddingANumber)
{
    FakeWindow f;
    f.setLines({"12", "18"});
    findGcdHcf(f.window);
    EXPECT_EQ(f.input.text(), "6");
    f.list.append("8");
    findGcdHcf(f.window);
    EXPECT_EQ(f.input.text(), "2");
}

TEST(FindGcdHcf, LongListStaysCorrect)
{
    FakeWindow f;
    for (int i = 1; i <= 100000; ++i)
        f.list.append(std::to_string(2310 * (i % 7 + 1)));
    findGcdHcf(f.window);
    EXPECT_EQ(f.input.text(), "2310");
}

}  // namespace
}  // namespace tavrel
