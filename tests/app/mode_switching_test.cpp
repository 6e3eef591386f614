#include <gtest/gtest.h>

#include "app/mode_switching.h"
#include "support/form_fixture.h"

namespace tavrel {
namespace {

using testing::FormFixture;

struct Indicator : ModeIndicator {
    std::vector<int> shown;
    void showMode(int mode) override { shown.push_back(mode); }
};

struct SwitchCase {
    const char* name;
    int from;
    int to;
    std::vector<int> answers;
    int modeAfter;
    bool listCleared;
    const char* question;  // "" when nothing is asked
};

class ModeSwitchTable : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(ModeSwitchTable, ConfirmsSwitchesAndOffersToClear)
{
    const SwitchCase& c = GetParam();
    FormFixture f;
    Indicator indicator;
    f.vars.LastMode = static_cast<std::int16_t>(c.from);
    f.vars.LRange = 3;
    f.vars.URange = 9;
    f.setLines({"a", "b"});
    f.input.setText("kept");
    for (int a : c.answers)
        f.dialogs.answer(a);
    mnuMode1_Click(f.form, indicator, c.to);

    EXPECT_EQ(f.vars.LastMode, c.modeAfter);
    EXPECT_EQ(f.list.count(), c.listCleared ? 0u : 2u);
    EXPECT_EQ(f.input.text(), "kept");
    EXPECT_EQ(f.vars.LRange, 3);
    EXPECT_EQ(f.vars.URange, 9);
    EXPECT_TRUE(f.dialogs.scriptUsedUp());
    if (std::string(c.question).empty()) {
        EXPECT_TRUE(f.dialogs.calls.empty());
        EXPECT_FALSE(f.vars.reply.has_value());
        return;
    }
    ASSERT_FALSE(f.dialogs.calls.empty());
    EXPECT_EQ(f.dialogs.calls[0].prompt, c.question);
    EXPECT_EQ(f.dialogs.calls[0].title, "Confirm change mode?");
    EXPECT_EQ(f.dialogs.calls[0].buttons, Buttons::YesNo);
    EXPECT_EQ(f.dialogs.calls[0].icon, Icon::Question);
    EXPECT_EQ(f.vars.reply, c.answers.back());
    if (c.answers.size() == 2) {
        EXPECT_EQ(f.dialogs.calls[1].prompt, "Clear list box?");
        EXPECT_EQ(f.dialogs.calls[1].title, "Clear list box?");
        EXPECT_EQ(f.dialogs.calls[1].buttons, Buttons::YesNo);
        EXPECT_EQ(f.dialogs.calls[1].icon, Icon::Information);
        EXPECT_EQ(indicator.shown, std::vector<int>{c.to});
    } else {
        EXPECT_TRUE(indicator.shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModeSwitchTable,
    ::testing::Values(
        SwitchCase{"CurrentDoesNothing", 0, 0, {}, 0, false, ""},
        SwitchCase{"LcmDisabled", 0, 3, {}, 0, false, ""},
        SwitchCase{"OutOfMenu", 0, 7, {}, 0, false, ""},
        SwitchCase{"No", 0, 2, {AnswerNo}, 0, false, "Confirm change mode from 'Find Factors' to 'Find GCD/HCF' ?"},
        SwitchCase{"YesKeepList", 0, 2, {AnswerYes, AnswerNo}, 2, false,
                   "Confirm change mode from 'Find Factors' to 'Find GCD/HCF' ?"},
        SwitchCase{"YesClearList", 0, 1, {AnswerYes, AnswerYes}, 1, true,
                   "Confirm change mode from 'Find Factors' to 'Find Multiples' ?"},
        SwitchCase{"Back", 2, 0, {AnswerYes, AnswerNo}, 0, false,
                   "Confirm change mode from 'Find GCD/HCF' to 'Find Factors' ?"},
        SwitchCase{"ToSquareRoots", 1, 4, {AnswerYes, AnswerNo}, 4, false,
                   "Confirm change mode from 'Find Multiples' to 'Square Roots' ?"}),
    [](const ::testing::TestParamInfo<SwitchCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tavrel
