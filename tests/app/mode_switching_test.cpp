// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/mode_switching.h"
#include "support/box_check.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;

struct Indicator : ModeIndicator {
    std::vector<Mode> shown;
    void showMode(Mode mode) override { shown.push_back(mode); }
};

struct SwitchCase {
    const char* name;
    Mode from;
    Mode to;
    std::vector<Answer> answers;
    Mode modeAfter;
    bool listCleared;
    const char* question;  // "" when nothing is asked
};

class ModeSwitchTable : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(ModeSwitchTable, ConfirmsSwitchesAndOffersToClear)
{
    const SwitchCase& c = GetParam();
    FakeWindow f;
    Indicator indicator;
    f.settings.mode = c.from;
    f.settings.range.low = 3;
    f.settings.range.high = 9;
    f.setLines({"a", "b"});
    f.input.setText("kept");
    for (Answer a : c.answers)
        f.dialogs.answer(a);
    chooseMode(f.context, indicator, c.to);

    EXPECT_EQ(f.settings.mode, c.modeAfter);
    EXPECT_EQ(f.list.count(), c.listCleared ? 0u : 2u);
    EXPECT_EQ(f.input.text(), "kept");
    EXPECT_EQ(f.settings.range.low, 3);
    EXPECT_EQ(f.settings.range.high, 9);
    EXPECT_TRUE(f.dialogs.scriptUsedUp());
    if (std::string(c.question).empty()) {
        EXPECT_TRUE(f.dialogs.calls.empty());
        return;
    }
    ASSERT_FALSE(f.dialogs.calls.empty());
    EXPECT_TRUE(testing::isBox(f.dialogs.calls[0], c.question, "Confirm change mode?", Buttons::YesNo, Icon::Question));
    if (c.answers.size() == 2) {
        EXPECT_TRUE(testing::isBox(f.dialogs.calls[1], "Clear list box?", "Clear list box?", Buttons::YesNo,
                                   Icon::Information));
        EXPECT_EQ(indicator.shown, std::vector<Mode>{c.to});
    } else {
        EXPECT_TRUE(indicator.shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModeSwitchTable,
    ::testing::Values(SwitchCase{"CurrentDoesNothing", Mode::Factors, Mode::Factors, {}, Mode::Factors, false, ""},
                      SwitchCase{"LcmDisabled", Mode::Factors, Mode::Lcm, {}, Mode::Factors, false, ""},
                      SwitchCase{"OutOfMenu", Mode::Factors, static_cast<Mode>(7), {}, Mode::Factors, false, ""},
                      SwitchCase{"No",
                                 Mode::Factors,
                                 Mode::GcdHcf,
                                 {Answer::No},
                                 Mode::Factors,
                                 false,
                                 "Confirm change mode from 'Find Factors' to 'Find GCD/HCF' ?"},
                      SwitchCase{"YesKeepList",
                                 Mode::Factors,
                                 Mode::GcdHcf,
                                 {Answer::Yes, Answer::No},
                                 Mode::GcdHcf,
                                 false,
                                 "Confirm change mode from 'Find Factors' to 'Find GCD/HCF' ?"},
                      SwitchCase{"YesClearList",
                                 Mode::Factors,
                                 Mode::Multiples,
                                 {Answer::Yes, Answer::Yes},
                                 Mode::Multiples,
                                 true,
                                 "Confirm change mode from 'Find Factors' to 'Find Multiples' ?"},
                      SwitchCase{"Back",
                                 Mode::GcdHcf,
                                 Mode::Factors,
                                 {Answer::Yes, Answer::No},
                                 Mode::Factors,
                                 false,
                                 "Confirm change mode from 'Find GCD/HCF' to 'Find Factors' ?"},
                      SwitchCase{"ToSquareRoots",
                                 Mode::Multiples,
                                 Mode::SquareRoots,
                                 {Answer::Yes, Answer::No},
                                 Mode::SquareRoots,
                                 false,
                                 "Confirm change mode from 'Find Multiples' to 'Square Roots' ?"}),
    [](const ::testing::TestParamInfo<SwitchCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tavrel
