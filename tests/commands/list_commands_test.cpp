// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>

#include "commands/list_commands.h"
#include "support/box_check.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;

struct FakeClipboard : Clipboard {
    std::string text = "before";
    int writes = 0;
    void setText(const std::string& t) override
    {
        text = t;
        ++writes;
    }
};

TEST(CopySelectedEntry, CopiesExactlyTheSelectedLine)
{
    FakeWindow f;
    f.setLines({"1 x 36", "2 x 18", "3 x 12"});
    f.list.setSelectedIndex(1);
    FakeClipboard clipboard;
    copySelectedEntry(f.list, clipboard);
    EXPECT_EQ(clipboard.text, "2 x 18");
    EXPECT_EQ(f.list.count(), 3u);
    EXPECT_EQ(f.list.selectedIndex(), 1);
    EXPECT_TRUE(f.dialogs.calls.empty());
}

TEST(CopySelectedEntry, NothingSelectedLeavesTheClipboard)
{
    for (bool emptyList : {true, false}) {
        FakeWindow f;
        if (!emptyList)
            f.setLines({"a"});
        FakeClipboard clipboard;
        copySelectedEntry(f.list, clipboard);
        EXPECT_EQ(clipboard.text, "before");
        EXPECT_EQ(clipboard.writes, 0);
    }
}

struct DeleteCase {
    const char* name;
    std::ptrdiff_t selected;
    std::optional<Answer> answer;  // none: no question expected
    std::vector<std::string> after;
};

class DeleteTable : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteTable, AsksThenRemovesTheSelectedLine)
{
    const DeleteCase& c = GetParam();
    FakeWindow f;
    f.setLines({"a", "b", "c"});
    f.list.setSelectedIndex(c.selected);
    if (c.answer)
        f.dialogs.answer(*c.answer);
    deleteSelectedEntry(f.context);
    EXPECT_EQ(f.lines(), c.after);
    if (!c.answer) {
        EXPECT_TRUE(f.dialogs.calls.empty());
        return;
    }
    ASSERT_EQ(f.dialogs.calls.size(), 1u);
    const std::string entry(1, static_cast<char>('a' + c.selected));
    EXPECT_TRUE(testing::isBox(f.dialogs.calls[0], "Confirm delete the following entry?\r" + entry, "Confirm delete?",
                               Buttons::YesNo, Icon::Question));
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteTable,
                         ::testing::Values(DeleteCase{"YesMiddle", 1, Answer::Yes, {"a", "c"}},
                                           DeleteCase{"YesLast", 2, Answer::Yes, {"a", "b"}},
                                           DeleteCase{"No", 0, Answer::No, {"a", "b", "c"}},
                                           DeleteCase{"NothingSelected", -1, std::nullopt, {"a", "b", "c"}}),
                         [](const ::testing::TestParamInfo<DeleteCase>& info) { return info.param.name; });

TEST(ClearList, AsksEvenWhenEmptyAndClearsOnYesOnly)
{
    struct Row {
        std::vector<std::string> lines;
        Answer answer;
        std::size_t left;
    };
    for (const Row& r : {Row{{"a", "b"}, Answer::Yes, 0}, Row{{"a", "b"}, Answer::No, 2}, Row{{}, Answer::Yes, 0},
                         Row{{}, Answer::No, 0}}) {
        FakeWindow f;
        f.setLines(r.lines);
        f.dialogs.answer(r.answer);
        clearList(f.context);
        EXPECT_EQ(f.list.count(), r.left);
        ASSERT_EQ(f.dialogs.calls.size(), 1u);
        EXPECT_TRUE(testing::isBox(f.dialogs.calls[0], "Confirm clear list?", "Confirm clear list?", Buttons::YesNo,
                                   Icon::Question));
    }
}

}  // namespace
}  // namespace tavrel
