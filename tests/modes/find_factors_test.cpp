// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "modes/find_factors.h"
#include "support/box_check.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;
using testing::splitLines;

// The factors themselves are checked in arithmetic/factors_test.cpp; here,
// what the mode adds: reading the box, the lines as text, the error report
// and what the box shows afterwards.
struct FactorsRun {
    const char* input = "";
    Range range;
    const char* lines = "";  // " / " between lines
    const char* box = "";
    bool notInRange = false;  // the "Not in the valid range!" message, the list left alone
};

class FindFactorsRun : public ::testing::TestWithParam<FactorsRun> {};

TEST_P(FindFactorsRun, ListsPairsCountAndSummary)
{
    const FactorsRun& c = GetParam();
    FakeWindow f;
    f.settings.range = c.range;
    f.setLines({"earlier line"});
    f.input.setText(c.input);
    findFactors(f.context);
    EXPECT_EQ(f.lines(), splitLines(c.lines));
    EXPECT_EQ(f.input.text(), c.box);
    ASSERT_EQ(f.dialogs.calls.size(), c.notInRange ? 1u : 0u);
    if (c.notInRange) {
        EXPECT_TRUE(
            testing::isBox(f.dialogs.calls[0], "Not in the valid range!", "Error!", Buttons::Ok, Icon::Information));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FindFactorsRun,
                         ::testing::Values(
                             // Between them these tell each summary sentence apart from the others.
                             FactorsRun{"7.9",
                                        {},
                                        "1 x 7 / Total Number of Factors / = 2 / Summary: / It is a prime / It is a "
                                        "palindrome / It is an ODD number",
                                        "7"},
                             FactorsRun{"  3 6abc",
                                        {},
                                        "1 x 36 / 2 x 18 / 3 x 12 / 4 x 9 / 6 x 6 / Total Number of Factors / = 9 / "
                                        "Summary: / It is NOT a prime / It is not a palindrome / It is an EVEN number",
                                        "36"},
                             FactorsRun{"2147483647.9",
                                        {},
                                        "1 x 2147483647 / Total Number of Factors / = 2 / Summary: / It is a prime / "
                                        "It is not a palindrome / It is an ODD number",
                                        "2147483647"},
                             FactorsRun{"2",
                                        {},
                                        "1 x 2 / Total Number of Factors / = 2 / Summary: / It is a prime / It is a "
                                        "palindrome / It is an EVEN number",
                                        "2"},
                             FactorsRun{"36",
                                        {5, 10},
                                        "4 x 9 / 6 x 6 / Total Number of Factors / = 5 / Summary: / It is NOT a prime "
                                        "/ It is not a palindrome / It is an EVEN number",
                                        "36"},
                             // Failures: the error report; the box shows how far the run got.
                             FactorsRun{"-0.5", {}, "ERROR! / Invalid procedure call or argument", "Running..."},
                             FactorsRun{"2147483648", {}, "ERROR! / Overflow", "2147483648"},
                             FactorsRun{"3000000000", {}, "ERROR! / Overflow", "3000000000"},
                             FactorsRun{"-2147483649", {}, "ERROR! / Overflow", "-2147483649"},
                             FactorsRun{"1e400", {}, "ERROR! / Overflow", "1e400"},
                             FactorsRun{"&HFFFFFFFFFF", {}, "ERROR! / Overflow", "&HFFFFFFFFFF"},
                             // Zero, and whatever reads as zero, asks nothing of the list.
                             FactorsRun{"0", {}, "earlier line", "No solution", true},
                             FactorsRun{"0.5", {}, "earlier line", "No solution", true},
                             FactorsRun{"abc", {}, "earlier line", "No solution", true},
                             FactorsRun{"", {}, "earlier line", "No solution", true},
                             FactorsRun{"nan", {}, "earlier line", "No solution", true},
                             FactorsRun{"inf", {}, "earlier line", "No solution", true},
                             FactorsRun{"&O99", {}, "earlier line", "No solution", true}));

// The dialog must see the box as the run left it at that moment.
TEST(FindFactors, ZeroMessageSeesRunningInTheBox)
{
    struct Peek : testing::ScriptedDialogs {
        InputBox* box = nullptr;
        std::string seen;
        Answer messageBox(const std::string& p, Buttons b, Icon i, const std::string& t) override
        {
            seen = box->text();
            return ScriptedDialogs::messageBox(p, b, i, t);
        }
    } dialogs;
    FakeWindow f;
    dialogs.box = &f.input;
    CommandContext context{f.list, f.input, f.settings, dialogs};
    f.input.setText("0");
    findFactors(context);
    EXPECT_EQ(dialogs.seen, "Running...");
}

}  // namespace
}  // namespace tavrel
