// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "commands/print_list.h"
#include "support/box_check.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;
using testing::splitLines;

// Records what reaches the printer; fails at the step it is told to.
class RecordingPrinter : public Printer {
public:
    PrintStatus beginStatus = PrintStatus::Ok;
    std::size_t stopAfterLines = SIZE_MAX;  // then printLine reports `lineStatus`
    PrintStatus lineStatus = PrintStatus::Ok;
    PrintStatus endStatus = PrintStatus::Ok;

    std::vector<std::string> events;
    PrintSettings settings;
    std::size_t announced = 0;

    PrintStatus begin(const PrintSettings& s, std::size_t lineCount) override
    {
        events.push_back("begin");
        settings = s;
        announced = lineCount;
        return beginStatus;
    }
    PrintStatus printLine(std::string_view text) override
    {
        if (printed == stopAfterLines)
            return lineStatus;
        ++printed;
        events.emplace_back(text);
        return PrintStatus::Ok;
    }
    PrintStatus end() override
    {
        events.push_back("end");
        return endStatus;
    }

private:
    std::size_t printed = 0;
};

struct PrintCase {
    const char* name;
    const char* lines;
    Answer answer;
    PrintStatus beginStatus;
    std::size_t stopAfter;
    PrintStatus lineStatus;
    PrintStatus endStatus;
    const char* events;           // " / " between events
    const char* notice;           // nullptr: no message after the question
};

class PrintTable : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintTable, PrintsEveryLineAfterYes)
{
    const PrintCase& c = GetParam();
    FakeWindow f;
    f.setLines(splitLines(c.lines));
    f.dialogs.answer(c.answer);
    RecordingPrinter printer;
    printer.beginStatus = c.beginStatus;
    printer.stopAfterLines = c.stopAfter;
    printer.lineStatus = c.lineStatus;
    printer.endStatus = c.endStatus;

    printList(f.window, printer);

    EXPECT_EQ(printer.events, splitLines(c.events));
    ASSERT_GE(f.dialogs.calls.size(), 1u);
    EXPECT_TRUE(testing::isBox(f.dialogs.calls[0], "Tavrel will now start printing.", "Ready to print?",
                               Buttons::YesNo, Icon::Information));
    ASSERT_EQ(f.dialogs.calls.size(), c.notice ? 2u : 1u);
    if (c.notice) {
        EXPECT_TRUE(testing::isBox(f.dialogs.calls[1], c.notice, "Print", Buttons::Ok, Icon::Information));
    }
    EXPECT_EQ(f.lines(), splitLines(c.lines));
}

constexpr PrintStatus Ok = PrintStatus::Ok;
constexpr std::size_t All = SIZE_MAX;

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintTable,
    ::testing::Values(
        PrintCase{"No", "1 x 6 / 2 x 3", Answer::No, Ok, All, Ok, Ok, "", nullptr},
        PrintCase{"Yes", "1 x 6 / 2 x 3", Answer::Yes, Ok, All, Ok, Ok, "begin / 1 x 6 / 2 x 3 / end", nullptr},
        PrintCase{"EmptyList", "", Answer::Yes, Ok, All, Ok, Ok, "begin / end", nullptr},
        PrintCase{"ErrorReportPrintsAsLines", "ERROR! / Overflow", Answer::Yes, Ok, All, Ok, Ok,
                  "begin / ERROR! / Overflow / end", nullptr},
        PrintCase{"NoPrinter", "a", Answer::Yes, PrintStatus::NoPrinter, All, Ok, Ok, "begin",
                  "No printer is installed."},
        PrintCase{"CannotStart", "a", Answer::Yes, PrintStatus::Failed, All, Ok, Ok, "begin",
                  "The list could not be printed."},
        PrintCase{"FailsMidway", "a / b / c", Answer::Yes, Ok, 1, PrintStatus::Failed, Ok, "begin / a",
                  "The list could not be printed."},
        PrintCase{"CancelledMidway", "a / b / c", Answer::Yes, Ok, 2, PrintStatus::Cancelled, Ok, "begin / a / b",
                  nullptr},
        PrintCase{"StoppedMidway", "a / b / c", Answer::Yes, Ok, 2, PrintStatus::Stopped, Ok, "begin / a / b",
                  "Printing was cancelled. Lines 1 to 2 had already been printed."},
        PrintCase{"CannotFinish", "a", Answer::Yes, Ok, All, Ok, PrintStatus::Failed, "begin / a / end",
                  "The list could not be printed."}),
    [](const ::testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.name); });

TEST(Print, BeginsWithCourierNewTenPointAndTheLineCount)
{
    FakeWindow f;
    f.setLines({"a", "b", "c"});
    f.dialogs.answer(Answer::Yes);
    RecordingPrinter printer;
    printList(f.window, printer);
    EXPECT_EQ(printer.settings.fontName, "Courier New");
    EXPECT_EQ(printer.settings.fontSize, 10.0f);
    EXPECT_EQ(printer.settings.margin, 300.0f);
    EXPECT_EQ(printer.announced, 3u);
}

}  // namespace
}  // namespace tavrel
