// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "commands/save_list.h"
#include "support/box_check.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;
using testing::splitLines;

class ScriptedSaveDialog : public SaveDialog {
public:
    std::optional<std::string> path;  // nothing: the user cancels
    std::vector<SaveDialogSettings> shown;

    std::optional<std::string> askPath(const SaveDialogSettings& settings) override
    {
        shown.push_back(settings);
        return path;
    }
};

// Files in memory. A write fails for the paths in `failing` and then leaves
// the old content alone, as the real store promises.
class MemoryFileStore : public TextFileStore {
public:
    std::map<std::string, std::string> files;
    std::vector<std::string> failing;
    int writes = 0;

    bool exists(const std::string& path) override { return files.count(path) != 0; }
    bool writeWhole(const std::string& path, const ChunkSource& content, const ProgressSource&) override
    {
        ++writes;
        std::string bytes;
        for (std::string_view piece = content(); !piece.empty(); piece = content())
            bytes += piece;
        if (std::find(failing.begin(), failing.end(), path) != failing.end())
            return false;
        files[path] = bytes;
        return true;
    }
};

const char* const kFailurePrompt = "An error has occured. Please try again.";
const char* const kFailureTitle = "An error has occured.";
const char* const kPath = "/home/u/results.txt";
const char* const kQuestion =
    "File exists! Do you want to continue saving the text under this filename: /home/u/results.txt ?";

struct SaveCase {
    const char* name;
    const char* lines;                // " / " between list lines
    std::optional<std::string> path;  // what the dialog returns
    std::optional<std::string> old;   // content of the file before
    std::optional<Answer> answer;     // to the overwrite question
    bool writeFails;
    std::optional<std::string> fileAfter;  // none: no such file
    std::vector<std::string> prompts;      // every message box shown, in order
};

class SaveTable : public ::testing::TestWithParam<SaveCase> {};

TEST_P(SaveTable, AsksWritesAndReports)
{
    const SaveCase& c = GetParam();
    FakeWindow f;
    f.setLines(splitLines(c.lines));
    ScriptedSaveDialog dialog;
    dialog.path = c.path;
    MemoryFileStore store;
    if (c.old)
        store.files[kPath] = *c.old;
    if (c.writeFails)
        store.failing.push_back(kPath);
    if (c.answer)
        f.dialogs.answer(*c.answer);

    saveList(f.context, dialog, store);

    EXPECT_EQ(store.exists(kPath) ? std::optional(store.files[kPath]) : std::nullopt, c.fileAfter);
    std::vector<std::string> prompts;
    for (const auto& call : f.dialogs.calls)
        prompts.push_back(call.prompt);
    EXPECT_EQ(prompts, c.prompts);
    EXPECT_TRUE(f.dialogs.scriptUsedUp());
    EXPECT_EQ(f.lines(), splitLines(c.lines));  // the list is never changed
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveTable,
    ::testing::Values(
        SaveCase{"TwoLines", "1 x 6 / 2 x 3", kPath, {}, {}, false, "1 x 6\r\n2 x 3\r\n", {"File saved."}},
        SaveCase{"EmptyListGivesEmptyFile", "", kPath, {}, {}, false, "", {"File saved."}},
        SaveCase{"TextKeptExactly",
                 "  padded  / ERROR! / Overflow",
                 kPath,
                 {},
                 {},
                 false,
                 "  padded \r\nERROR!\r\nOverflow\r\n",
                 {"File saved."}},
        SaveCase{"CancelInDialog", "a", std::nullopt, {}, {}, false, std::nullopt, {kFailurePrompt}},
        SaveCase{"YesReplacesLongerFile",
                 "a",
                 kPath,
                 std::string("old old old\r\n"),
                 Answer::Yes,
                 false,
                 "a\r\n",
                 {kQuestion, "File saved."}},
        SaveCase{"NoKeepsFile", "a", kPath, std::string("old"), Answer::No, false, "old", {kQuestion}},
        SaveCase{"CancelKeepsFile", "a", kPath, std::string("old"), Answer::Cancel, false, "old", {kQuestion}},
        SaveCase{"WriteFails", "a", kPath, {}, {}, true, std::nullopt, {kFailurePrompt}},
        SaveCase{"WriteFailsAfterYes",
                 "a",
                 kPath,
                 std::string("old"),
                 Answer::Yes,
                 true,
                 "old",
                 {kQuestion, kFailurePrompt}}),
    [](const ::testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

TEST(Save, MessageBoxesCarryTheirTitlesButtonsAndIcons)
{
    FakeWindow f;
    ScriptedSaveDialog dialog;
    MemoryFileStore store;
    dialog.path = kPath;
    store.files[kPath] = "old";
    f.dialogs.answer(Answer::Yes);
    saveList(f.context, dialog, store);
    dialog.path.reset();
    saveList(f.context, dialog, store);

    ASSERT_EQ(f.dialogs.calls.size(), 3u);
    EXPECT_TRUE(testing::isBox(f.dialogs.calls[0], kQuestion, "File Exists!", Buttons::YesNoCancel, Icon::Exclamation));
    EXPECT_TRUE(testing::isBox(f.dialogs.calls[1], "File saved.", "File saved.", Buttons::Ok, Icon::Information));
    EXPECT_TRUE(testing::isBox(f.dialogs.calls[2], kFailurePrompt, kFailureTitle, Buttons::Ok, Icon::Information));
}

TEST(Save, OffersTextFilesFirstThenAllFiles)
{
    FakeWindow f;
    ScriptedSaveDialog dialog;
    MemoryFileStore store;
    saveList(f.context, dialog, store);
    ASSERT_EQ(dialog.shown.size(), 1u);
    const SaveDialogSettings& s = dialog.shown[0];
    ASSERT_EQ(s.filters.size(), 2u);
    EXPECT_EQ(s.filters[0].name, "Text Files");
    EXPECT_EQ(s.filters[0].pattern, "*.txt");
    EXPECT_EQ(s.filters[1].name, "All Files");
    EXPECT_EQ(s.filters[1].pattern, "*.*");
    EXPECT_EQ(s.selectedFilter, 0u);
    EXPECT_EQ(store.writes, 0);
}

TEST(Save, BigListComesInPiecesThatKeepLinesWhole)
{
    ResultsList list;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string line = std::to_string(i) + " x 7 = " + std::to_string(7 * i);
        ASSERT_TRUE(list.append(line));
        expected += line + "\r\n";
    }
    ListFileContent content(list, 1000);
    std::string joined;
    int pieces = 0;
    for (std::string_view piece = content.next(); !piece.empty(); piece = content.next()) {
        EXPECT_EQ(piece.substr(piece.size() - 2), "\r\n");
        EXPECT_LT(piece.size(), 1000u + 30u);
        joined += piece;
        ++pieces;
    }
    EXPECT_EQ(joined, expected);
    EXPECT_GT(pieces, 50);
}

}  // namespace
}  // namespace tavrel
