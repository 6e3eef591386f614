// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/save_list.h"

#include <optional>
#include <string>

namespace tavrel {
namespace {

void showFailure(Dialogs& dialogs)
{
    dialogs.messageBox("An error has occured. Please try again.", Buttons::Ok, Icon::Information,
                       "An error has occured.");
}

}  // namespace

std::string_view ListFileContent::next()
{
    piece_.clear();
    nextLine_ += list_.appendLines(nextLine_, piece_, pieceSize_, "\r\n");
    return piece_;
}

void saveList(CommandContext& context, SaveDialog& saveDialog, TextFileStore& files)
{
    // "*.*" is what the user reads; the dialog shows every file for it.
    const SaveDialogSettings settings{{{"Text Files", "*.txt"}, {"All Files", "*.*"}}, 0};
    const std::optional<std::string> path = saveDialog.askPath(settings);
    if (!path) {
        showFailure(context.dialogs);  // Cancel counts as a failure: there is no separate notice
        return;
    }

    if (files.exists(*path)) {
        const Answer answer =
            context.dialogs.messageBox("File exists! Do you want to continue saving the text under this filename: " +
                                           *path + " ?",
                                       Buttons::YesNoCancel, Icon::Exclamation, "File Exists!");
        if (answer != Answer::Yes)
            return;  // No and Cancel both leave the file alone, silently
    }

    ListFileContent content(context.list);
    if (!files.writeWhole(
            *path, [&content] { return content.next(); }, [&content] { return content.doneFraction(); })) {
        showFailure(context.dialogs);
        return;
    }
    context.dialogs.messageBox("File saved.", Buttons::Ok, Icon::Information, "File saved.");
}

}  // namespace tavrel
