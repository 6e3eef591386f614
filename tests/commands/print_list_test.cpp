// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "commands/print_list.h"
#include "support/box_check.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;
using testing::splitLines;

// What each step of a printer reports.
struct Faults {
    PrintStatus begin = PrintStatus::Ok;
    std::size_t linesBefore = SIZE_MAX;  // printed before printLine reports `line`
    PrintStatus line = PrintStatus::Ok;
    PrintStatus end = PrintStatus::Ok;
};

// Records what reaches the printer; fails where its faults say.
class RecordingPrinter : public Printer {
public:
    explicit RecordingPrinter(Faults faults = {}) : faults_(faults) {}

    std::vector<std::string> events;
    PrintSettings settings;
    std::size_t announced = 0;

    PrintStatus begin(const PrintSettings& s, std::size_t lineCount) override
    {
        events.push_back("begin");
        settings = s;
        announced = lineCount;
        return faults_.begin;
    }
    PrintStatus printLine(std::string_view text) override
    {
        if (printed_ == faults_.linesBefore)
            return faults_.line;
        ++printed_;
        events.emplace_back(text);
        return PrintStatus::Ok;
    }
    PrintStatus end() override
    {
        events.push_back("end");
        return faults_.end;
    }

private:
    Faults faults_;
    std::size_t printed_ = 0;
};

struct PrintCase {
    const char* name;
    const char* lines;
    Answer answer;
    Faults faults;
    const char* events;  // " / " between events
    const char* notice;  // nullptr: no message after the question
};

class PrintTable : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintTable, PrintsEveryLineAfterYes)
{
    const PrintCase& c = GetParam();
    FakeWindow f;
    f.setLines(splitLines(c.lines));
    f.dialogs.answer(c.answer);
    RecordingPrinter printer(c.faults);

    printList(f.context, printer);

    EXPECT_EQ(printer.events, splitLines(c.events));
    ASSERT_EQ(f.dialogs.calls.size(), c.notice ? 2u : 1u);
    EXPECT_TRUE(testing::isBox(f.dialogs.calls[0], "Tavrel will now start printing.", "Ready to print?", Buttons::YesNo,
                               Icon::Information));
    if (c.notice) {
        EXPECT_TRUE(testing::isBox(f.dialogs.calls[1], c.notice, "Print", Buttons::Ok, Icon::Information));
    }
    EXPECT_EQ(f.lines(), splitLines(c.lines));
}

const char* const kFailed = "The list could not be printed.";

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintTable,
    ::testing::Values(
        PrintCase{"No", "1 x 6 / 2 x 3", Answer::No, {}, "", nullptr},
        PrintCase{"Yes", "1 x 6 / 2 x 3", Answer::Yes, {}, "begin / 1 x 6 / 2 x 3 / end", nullptr},
        PrintCase{"EmptyList", "", Answer::Yes, {}, "begin / end", nullptr},
        PrintCase{"ErrorReportPrintsAsLines",
                  "ERROR! / Overflow",
                  Answer::Yes,
                  {},
                  "begin / ERROR! / Overflow / end",
                  nullptr},
        PrintCase{"NoPrinter",
                  "a",
                  Answer::Yes,
                  {.begin = PrintStatus::NoPrinter},
                  "begin",
                  "No printer is installed."},
        PrintCase{"CannotStart", "a", Answer::Yes, {.begin = PrintStatus::Failed}, "begin", kFailed},
        PrintCase{"FailsMidway",
                  "a / b / c",
                  Answer::Yes,
                  {.linesBefore = 1, .line = PrintStatus::Failed},
                  "begin / a",
                  kFailed},
        PrintCase{"CancelledMidway",
                  "a / b / c",
                  Answer::Yes,
                  {.linesBefore = 2, .line = PrintStatus::Cancelled},
                  "begin / a / b",
                  nullptr},
        PrintCase{"StoppedMidway",
                  "a / b / c",
                  Answer::Yes,
                  {.linesBefore = 2, .line = PrintStatus::Stopped},
                  "begin / a / b",
                  "Printing was cancelled. Lines 1 to 2 had already been printed."},
        PrintCase{"CannotFinish", "a", Answer::Yes, {.end = PrintStatus::Failed}, "begin / a / end", kFailed}),
    [](const ::testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.name); });

TEST(Print, BeginsWithCourierNewTenPointAndTheLineCount)
{
    FakeWindow f;
    f.setLines({"a", "b", "c"});
    f.dialogs.answer(Answer::Yes);
    RecordingPrinter printer;
    printList(f.context, printer);
    EXPECT_EQ(printer.settings.fontName, "Courier New");
    EXPECT_EQ(printer.settings.fontSize, 10.0f);
    EXPECT_EQ(printer.settings.margin, 300.0f);
    EXPECT_EQ(printer.announced, 3u);
}

}  // namespace
}  // namespace tavrel
