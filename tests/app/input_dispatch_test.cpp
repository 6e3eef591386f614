// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/input_dispatch.h"
#include "modes/mode_table.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;

struct CollectCase {
    const char* input;
    const char* appended;  // nullptr: nothing appended
    const char* boxAfter;
};

class CollectTable : public ::testing::TestWithParam<CollectCase> {};

TEST_P(CollectTable, EnterInGcdModeCollectsTheFloor)
{
    const CollectCase& c = GetParam();
    FakeWindow f;
    f.settings.mode = Mode::GcdHcf;
    f.setLines({"5"});
    f.input.setText(c.input);
    pressEnter(f.context);
    std::vector<std::string> expected{"5"};
    if (c.appended)
        expected.push_back(c.appended);
    EXPECT_EQ(f.lines(), expected);
    EXPECT_EQ(f.input.text(), c.boxAfter);
    EXPECT_TRUE(f.dialogs.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, CollectTable,
                         ::testing::Values(CollectCase{"12", "12", ""}, CollectCase{"12.7", "12", ""},
                                           CollectCase{"-2.5", "-3", ""}, CollectCase{"12abc", "12", ""},
                                           CollectCase{"", "0", ""}, CollectCase{"abc", "0", ""},
                                           CollectCase{"40000", "40000", ""}, CollectCase{"1e15", "1E+15", ""},
                                           CollectCase{"1e400", nullptr, "1e400"}));

// Which lines count as an error report that the next Enter clears.
struct ErrorLineCase {
    const char* firstLine;
    bool cleared;
};

class ErrorClearTable : public ::testing::TestWithParam<ErrorLineCase> {};

TEST_P(ErrorClearTable, OnlyEnterClearsAnExactErrorReport)
{
    const ErrorLineCase& c = GetParam();
    FakeWindow f;
    f.settings.mode = Mode::GcdHcf;
    f.setLines({c.firstLine, "Overflow"});
    f.input.setText("9");
    pressEnter(f.context);
    using Lines = std::vector<std::string>;
    EXPECT_EQ(f.lines(), (c.cleared ? Lines{"9"} : Lines{c.firstLine, "Overflow", "9"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, ErrorClearTable,
                         ::testing::Values(ErrorLineCase{"ERROR!", true}, ErrorLineCase{"Error!", false},
                                           ErrorLineCase{"ERROR! ", false}, ErrorLineCase{"error!", false},
                                           ErrorLineCase{"", false}));

TEST(InputDispatch, OkNeverClearsAnErrorReportNorCollects)
{
    FakeWindow f;
    f.settings.mode = Mode::GcdHcf;
    f.setLines({"ERROR!", "Overflow"});
    f.input.setText("12");
    pressOk(f.context);
    // OK ran Find GCD/HCF over the error report itself, which fails again.
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"ERROR!", "Type mismatch"}));
    EXPECT_EQ(f.input.text(), "Running...");
}

struct DispatchCase {
    Mode mode;
    const char* firstLine;  // what the run leaves in line 0 for input 36
};

class DispatchTable : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(DispatchTable, EnterAndOkRunTheSameMode)
{
    const DispatchCase& c = GetParam();
    for (bool enter : {true, false}) {
        FakeWindow f;
        f.settings.mode = c.mode;
        f.input.setText("36");
        enter ? pressEnter(f.context) : pressOk(f.context);
        EXPECT_EQ(f.list.line(0), c.firstLine) << (enter ? "Enter" : "OK");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DispatchTable,
                         ::testing::Values(DispatchCase{Mode::Factors, "1 x 36"},
                                           DispatchCase{Mode::Multiples, "1 x 36 = 36"},
                                           DispatchCase{Mode::SquareRoots, "Square root of 36 is:"},
                                           DispatchCase{static_cast<Mode>(-1), ""},
                                           DispatchCase{static_cast<Mode>(9), ""}));

// Enter and OK reach every mode in the table that can be chosen, and do
// nothing in one that cannot (Find LCM).
TEST(InputDispatch, EveryRowOfTheModeTableIsReached)
{
    for (const ModeRow& row : kModeTable) {
        for (bool enter : {true, false}) {
            FakeWindow f;
            f.settings.mode = row.mode;
            f.input.setText("36");
            enter ? pressEnter(f.context) : pressOk(f.context);
            const bool acted = f.list.count() > 0 || f.input.text() != "36" || !f.dialogs.calls.empty();
            EXPECT_EQ(acted, isSelectable(row.mode)) << row.caption << (enter ? ", Enter" : ", OK");
        }
    }
}

TEST(InputDispatch, ErrorReportThenEnterStartsAfresh)
{
    FakeWindow f;
    f.input.setText("-5");
    pressEnter(f.context);
    EXPECT_EQ(f.list.line(0), "ERROR!");
    f.input.setText("7");
    pressEnter(f.context);
    EXPECT_EQ(f.list.line(0), "1 x 7");
}

// A whole run reaches the view as one reset, not one notice per line; a run
// that leaves the list as it was sends none, so the user's highlight stays.
TEST(InputDispatch, ViewHearsOneResetPerRunThatChangesTheList)
{
    struct Row {
        const char* name;
        Mode mode;
        const char* input;
        bool enter;
        int resets;
    };
    for (Row r :
         {Row{"Find Multiples", Mode::Multiples, "7", true, 1}, Row{"Find Factors of 0", Mode::Factors, "0", true, 0},
          Row{"GCD over an unchanged list", Mode::GcdHcf, "", false, 0}}) {
        struct Counter : ResultsListObserver {
            int resets = 0, appends = 0, removals = 0;
            void listReset() override { ++resets; }
            void linesAppended(std::size_t, std::size_t) override { ++appends; }
            void lineRemoved(std::size_t) override { ++removals; }
        } counter;
        FakeWindow f;
        f.dialogs.answerAnything = true;
        f.setLines({"12", "18"});
        f.list.setObserver(&counter);
        f.settings.mode = r.mode;
        f.input.setText(r.input);
        if (r.enter)
            pressEnter(f.context);
        else
            pressOk(f.context);
        EXPECT_EQ(counter.resets, r.resets) << r.name;
        EXPECT_EQ(counter.appends + counter.removals, 0) << r.name;
        f.list.setObserver(nullptr);
    }
}

}  // namespace
}  // namespace tavrel
