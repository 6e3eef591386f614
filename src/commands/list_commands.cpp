// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/list_commands.h"

#include <string>

namespace tavrel {

void copySelectedEntry(const ResultsList& list, Clipboard& clipboard)
{
    const std::string text(list.selectedLine());
    if (!text.empty())
        clipboard.setText(text);
}

void deleteSelectedEntry(CommandContext& context)
{
    ResultsList& list = context.list;
    if (list.selectedIndex() < 0)
        return;  // no entry to show, none to remove
    const std::string entry(list.selectedLine());
    if (context.dialogs.messageBox("Confirm delete the following entry?\r" + entry, Buttons::YesNo, Icon::Question,
                                   "Confirm delete?") == Answer::Yes)
        list.remove(list.selectedIndex());
}

void clearList(CommandContext& context)
{
    if (context.dialogs.messageBox("Confirm clear list?", Buttons::YesNo, Icon::Question, "Confirm clear list?") ==
        Answer::Yes)
        context.list.clear();
}

}  // namespace tavrel
