// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "commands/settings_commands.h"
#include "support/box_check.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;
using Call = testing::ScriptedDialogs::Call;

const char* const kRangeQuestion = "This lets you define a range for the number of factors or multiplies to generate.\r"
                                   "Do you wish to proceed?\r"
                                   "Note: Clicking No will clear any ranges previously specified.\r"
                                   "Click Cancel if you do not wish to continue instead.";

// One row: the state before, the answers typed, the state after and the
// defaults each input box offered, in order.
struct RangeCase {
    const char* name;
    std::int32_t lowerBefore, upperBefore;
    Answer opening;
    std::vector<std::string> typed;
    std::int32_t lowerAfter, upperAfter;
    std::vector<std::string> defaults;
    const char* notice;  // "" for none
};

class DefineRangesTable : public ::testing::TestWithParam<RangeCase> {};

TEST_P(DefineRangesTable, StoresEachAnswerAndAsksAgain)
{
    const RangeCase& c = GetParam();
    FakeWindow f;
    f.settings.range.low = c.lowerBefore;
    f.settings.range.high = c.upperBefore;
    f.dialogs.answer(c.opening);
    for (const std::string& t : c.typed)
        f.dialogs.type(t);
    defineRanges(f.context);

    EXPECT_EQ(f.settings.range.low, c.lowerAfter);
    EXPECT_EQ(f.settings.range.high, c.upperAfter);
    EXPECT_TRUE(f.dialogs.scriptUsedUp());
    ASSERT_GE(f.dialogs.calls.size(), 1u);
    EXPECT_TRUE(
        testing::isBox(f.dialogs.calls[0], kRangeQuestion, "Define Ranges?", Buttons::YesNoCancel, Icon::Information));

    std::vector<std::string> defaults;
    std::string notice;
    for (const Call& call : f.dialogs.calls) {
        if (call.kind == Call::Input) {
            defaults.push_back(call.defaultText);
            EXPECT_EQ(call.prompt, call.title);
            EXPECT_TRUE(call.prompt == "Enter lower range." || call.prompt == "Enter upper range.");
        } else if (&call != &f.dialogs.calls[0]) {
            notice = call.prompt;
            EXPECT_EQ(call.buttons, Buttons::Ok);
            EXPECT_EQ(call.title, notice == "No ranges defined." ? notice : "An error has occured.");
        }
    }
    EXPECT_EQ(defaults, c.defaults);
    EXPECT_EQ(notice, c.notice);
}

const char* const kFailure = "An error has occured, or maybe you just clicked Cancel. Please try again.";

INSTANTIATE_TEST_SUITE_P(
    Cases, DefineRangesTable,
    ::testing::Values(
        RangeCase{"Simple", 0, 0, Answer::Yes, {"10", "20"}, 10, 20, {"0", "0"}, ""},
        RangeCase{"AskedAgain", 0, 0, Answer::Yes, {"-5", "0", "0", "100"}, 0, 100, {"0", "-5", "0", "0"}, ""},
        RangeCase{"Floored", 0, 0, Answer::Yes, {"2.7", "2.9", "3.1"}, 2, 3, {"0", "0", "2"}, ""},
        RangeCase{"Blanks", 0, 0, Answer::Yes, {" 4 ", "\t5"}, 4, 5, {"0", "0"}, ""},
        RangeCase{"CancelLower", 7, 9, Answer::Yes, {""}, 7, 9, {"7"}, kFailure},
        RangeCase{"CancelUpper", 0, 0, Answer::Yes, {"20", ""}, 20, 0, {"0", "0"}, kFailure},
        RangeCase{"Letters", 1, 2, Answer::Yes, {"abc"}, 1, 2, {"1"}, kFailure},
        RangeCase{"TrailingLetters", 1, 2, Answer::Yes, {"12abc"}, 1, 2, {"1"}, kFailure},
        RangeCase{"TooBig", 1, 2, Answer::Yes, {"3000000000"}, 1, 2, {"1"}, kFailure},
        RangeCase{"HugeExponent", 1, 2, Answer::Yes, {"1e400"}, 1, 2, {"1"}, kFailure},
        RangeCase{"UpperFailsAfterLower", 1, 4, Answer::Yes, {"8", "x"}, 8, 4, {"1", "4"}, kFailure},
        RangeCase{"No", 10, 20, Answer::No, {}, 0, 0, {}, "No ranges defined."},
        RangeCase{"Cancel", 10, 20, Answer::Cancel, {}, 10, 20, {}, ""}),
    [](const ::testing::TestParamInfo<RangeCase>& info) { return info.param.name; });

struct MultiplesCase {
    const char* name;
    std::vector<std::string> typed;
    std::int32_t countAfter, ratioAfter;
    std::vector<std::string> defaults;
    bool failure;
};

class MultiplesSettingsTable : public ::testing::TestWithParam<MultiplesCase> {};

TEST_P(MultiplesSettingsTable, CountFlooredRatioRoundedBothAtLeastOne)
{
    const MultiplesCase& c = GetParam();
    FakeWindow f;
    for (const std::string& t : c.typed)
        f.dialogs.type(t);
    setMultiples(f.context);
    EXPECT_EQ(f.settings.multiples.count, c.countAfter);
    EXPECT_EQ(f.settings.multiples.multiplier, c.ratioAfter);
    EXPECT_TRUE(f.dialogs.scriptUsedUp());
    std::vector<std::string> defaults;
    bool failure = false;
    for (const Call& call : f.dialogs.calls) {
        if (call.kind == Call::Input) {
            defaults.push_back(call.defaultText);
            bool count = call.prompt == "Enter number of multiples you wish to display";
            EXPECT_TRUE(count || call.prompt == "Enter multiplier:");
            EXPECT_EQ(call.title, count ? "Multiples: Limits" : "Multiple: Multiplier");
        } else {
            failure = true;
            EXPECT_EQ(call.prompt, "An error has occured. Please try again.");
            EXPECT_EQ(call.title, "An error has occured.");
            EXPECT_EQ(call.icon, Icon::Information);
        }
    }
    EXPECT_EQ(defaults, c.defaults);
    EXPECT_EQ(failure, c.failure);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MultiplesSettingsTable,
    ::testing::Values(
        MultiplesCase{"Simple", {"500", "3"}, 500, 3, {"1000", "1"}, false},
        MultiplesCase{"CancelCount", {"", "20", "1"}, 20, 1, {"1000", "0", "1"}, false},
        MultiplesCase{"LettersAndNegative", {"abc", "-4", "12abc", "2"}, 12, 2, {"1000", "0", "-4", "1"}, false},
        MultiplesCase{"FlooredToZero", {"0.9", "2.9", "2.9"}, 2, 3, {"1000", "0", "1"}, false},
        MultiplesCase{"RatioHalves", {"10", "0.5", "1.5"}, 10, 2, {"1000", "1", "0"}, false},
        MultiplesCase{"RatioHalfToEven", {"10", "2.5"}, 10, 2, {"1000", "1"}, false},
        MultiplesCase{"RatioCancel", {"10", "", "0.6"}, 10, 1, {"1000", "1", "0"}, false},
        MultiplesCase{"CountTooBig", {"3000000000"}, 1000, 1, {"1000"}, true},
        MultiplesCase{"RatioTooBig", {"50", "3000000000"}, 50, 1, {"1000", "1"}, true},
        MultiplesCase{"Exponent", {"1e10"}, 1000, 1, {"1000"}, true},
        MultiplesCase{"Hexadecimal", {"&H10", "&o7"}, 16, 7, {"1000", "1"}, false},
        MultiplesCase{"HugeButAccepted", {"100000", "100000"}, 100000, 100000, {"1000", "1"}, false}),
    [](const ::testing::TestParamInfo<MultiplesCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tavrel
