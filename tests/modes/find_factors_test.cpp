#include <gtest/gtest.h>

#include "modes/find_factors.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;
using testing::splitLines;

struct FactorsCase {
    const char* input;
    std::int32_t lower;
    std::int32_t upper;
    const char* lines;  // " / " between lines
    const char* boxAfter;
};

class FindFactorsTable : public ::testing::TestWithParam<FactorsCase> {};

TEST_P(FindFactorsTable, ListsPairsCountAndSummary)
{
    const FactorsCase& c = GetParam();
    FakeWindow f;
    f.settings.range.low = c.lower;
    f.settings.range.high = c.upper;
    f.input.setText(c.input);
    findFactors(f.window);
    EXPECT_EQ(f.lines(), splitLines(c.lines));
    EXPECT_EQ(f.input.text(), c.boxAfter);
    EXPECT_TRUE(f.dialogs.calls.empty());
}

const char* const kTail36 = "Total Number of Factors / = 9 / Summary: / It is NOT a prime / It is not a palindrome / It is an EVEN number";

INSTANTIATE_TEST_SUITE_P(
    Cases, FindFactorsTable,
    ::testing::Values(
        FactorsCase{"36", 0, 0, "1 x 36 / 2 x 18 / 3 x 12 / 4 x 9 / 6 x 6 / Total Number of Factors / = 9 / Summary: / It is NOT a prime / It is not a palindrome / It is an EVEN number", "36"},
        FactorsCase{"7", 0, 0, "1 x 7 / Total Number of Factors / = 2 / Summary: / It is a prime / It is a palindrome / It is an ODD number", "7"},
        FactorsCase{"12", 0, 0, "1 x 12 / 2 x 6 / 3 x 4 / Total Number of Factors / = 6 / Summary: / It is NOT a prime / It is not a palindrome / It is an EVEN number", "12"},
        FactorsCase{"49", 0, 0, "1 x 49 / 7 x 7 / Total Number of Factors / = 3 / Summary: / It is NOT a prime / It is not a palindrome / It is an ODD number", "49"},
        FactorsCase{"2", 0, 0, "1 x 2 / Total Number of Factors / = 2 / Summary: / It is a prime / It is a palindrome / It is an EVEN number", "2"},
        // Every digit counts for a palindrome, not just two at each end.
        FactorsCase{"125621", 0, 0, "1 x 125621 / Total Number of Factors / = 2 / Summary: / It is a prime / It is not a palindrome / It is an ODD number", "125621"},
        FactorsCase{"2147483647", 0, 0, "1 x 2147483647 / Total Number of Factors / = 2 / Summary: / It is a prime / It is not a palindrome / It is an ODD number", "2147483647"},
        FactorsCase{"121", 0, 0, "1 x 121 / 11 x 11 / Total Number of Factors / = 3 / Summary: / It is NOT a prime / It is a palindrome / It is an ODD number", "121"},
        FactorsCase{"1221", 0, 0, "1 x 1221 / 3 x 407 / 11 x 111 / 33 x 37 / Total Number of Factors / = 8 / Summary: / It is NOT a prime / It is a palindrome / It is an ODD number", "1221"},
        FactorsCase{"1234", 0, 0, "1 x 1234 / 2 x 617 / Total Number of Factors / = 4 / Summary: / It is NOT a prime / It is not a palindrome / It is an EVEN number", "1234"},
        // 1 has one factor and is no prime.
        FactorsCase{"1", 0, 0, "1 x 1 / Total Number of Factors / = 1 / Summary: / It is NOT a prime / It is a palindrome / It is an ODD number", "1"},
        FactorsCase{"7.9", 0, 0, "1 x 7 / Total Number of Factors / = 2 / Summary: / It is a prime / It is a palindrome / It is an ODD number", "7"},
        FactorsCase{"  3 6abc", 0, 0, "1 x 36 / 2 x 18 / 3 x 12 / 4 x 9 / 6 x 6 / Total Number of Factors / = 9 / Summary: / It is NOT a prime / It is not a palindrome / It is an EVEN number", "36"},
        FactorsCase{"2147483647.9", 0, 0, "1 x 2147483647 / Total Number of Factors / = 2 / Summary: / It is a prime / It is not a palindrome / It is an ODD number", "2147483647"},
        // Ranges: pairs shown when either member is inside; the count still starts at 2.
        FactorsCase{"36", 5, 10, "4 x 9 / 6 x 6 / Total Number of Factors / = 5 / Summary: / It is NOT a prime / It is not a palindrome / It is an EVEN number", "36"},
        FactorsCase{"36", 1, 3, "1 x 36 / 2 x 18 / 3 x 12 / Total Number of Factors / = 6 / Summary: / It is NOT a prime / It is not a palindrome / It is an EVEN number", "36"},
        FactorsCase{"35", 6, 6, "Total Number of Factors / = 2 / Summary: / It is NOT a prime / It is not a palindrome / It is an ODD number", "35"},
        FactorsCase{"36", 0, 9, "1 x 36 / 2 x 18 / 3 x 12 / 4 x 9 / 6 x 6 / Total Number of Factors / = 9 / Summary: / It is NOT a prime / It is not a palindrome / It is an EVEN number", "36"},
        FactorsCase{"36", 30, 40, "Total Number of Factors / = 2 / Summary: / It is NOT a prime / It is not a palindrome / It is an EVEN number", "36"},
        FactorsCase{"36", 5, 0, "Total Number of Factors / = 2 / Summary: / It is NOT a prime / It is not a palindrome / It is an EVEN number", "36"},
        // Failures: the error report; the box shows how far the run got.
        FactorsCase{"-36", 0, 0, "ERROR! / Invalid procedure call or argument", "Running..."},
        FactorsCase{"-0.5", 0, 0, "ERROR! / Invalid procedure call or argument", "Running..."},
        FactorsCase{"2147483648", 0, 0, "ERROR! / Overflow", "2147483648"},
        FactorsCase{"-2147483649", 0, 0, "ERROR! / Overflow", "-2147483649"},
        FactorsCase{"1e400", 0, 0, "ERROR! / Overflow", "1e400"},
        FactorsCase{"&HFFFFFFFFFF", 0, 0, "ERROR! / Overflow", "&HFFFFFFFFFF"}));

TEST(FindFactors, PowerOfTwoRunsPastSixteenBits)
{
    FakeWindow f;
    f.input.setText("1073741824");
    findFactors(f.window);
    std::vector<std::string> lines = f.lines();
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[lines.size() - 7], "32768 x 32768");
    EXPECT_EQ(lines[lines.size() - 5], "= 31");
}

TEST(FindFactors, ZeroAndNonNumbersAskNothingOfTheList)
{
    for (const char* input : {"0", "0.5", "abc", "", "nan", "inf", "&O99"}) {
        FakeWindow f;
        f.setLines({"kept"});
        f.input.setText(input);
        findFactors(f.window);
        EXPECT_EQ(f.lines(), std::vector<std::string>{"kept"}) << input;
        EXPECT_EQ(f.input.text(), "No solution") << input;
        ASSERT_EQ(f.dialogs.calls.size(), 1u) << input;
        EXPECT_EQ(f.dialogs.calls[0].prompt, "Not in the valid range!");
        EXPECT_EQ(f.dialogs.calls[0].title, "Error!");
        EXPECT_EQ(f.dialogs.calls[0].buttons, Buttons::Ok);
        EXPECT_EQ(f.dialogs.calls[0].icon, Icon::Information);
    }
}

// The dialog must see the box as the run left it at that moment.
TEST(FindFactors, ZeroMessageSeesRunningInTheBox)
{
    struct Peek : testing::ScriptedDialogs {
        PlainInputBox* box = nullptr;
        std::string seen;
        Answer messageBox(const std::string& p, Buttons b, Icon i, const std::string& t) override
        {
            seen = box->text();
            return ScriptedDialogs::messageBox(p, b, i, t);
        }
    } dialogs;
    ResultsList list;
    PlainInputBox input;
    Settings vars;
    dialogs.box = &input;
    Window form{list, input, vars, dialogs};
    input.setText("0");
    findFactors(form);
    EXPECT_EQ(dialogs.seen, "Running...");
}

TEST(FindFactors, ErrorReportReplacesEarlierList)
{
    FakeWindow f;
    f.setLines({"a", "b", "c"});
    f.input.setText("3000000000");
    findFactors(f.window);
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"ERROR!", "Overflow"}));
}

}  // namespace
}  // namespace tavrel
