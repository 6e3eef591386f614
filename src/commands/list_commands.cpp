#include "commands/list_commands.h"

#include <string>

namespace tavrel {

void mnuCopy_Click(const ResultsList& list, Clipboard& clipboard)
{
    const std::string text(list.selectedLine());
    if (!text.empty())
        clipboard.setText(text);
}

void mnuDel_Click(Form& form)
{
    if (form.List2.selectedIndex() < 0)
        return;  // no entry to show, none to remove
    const std::string entry(form.List2.selectedLine());
    form.vars.reply = form.dialogs.messageBox("Confirm delete the following entry?\r" + entry, Buttons::YesNo,
                                              Icon::Question, "Confirm delete?");
    if (form.vars.reply == AnswerYes)
        form.List2.remove(form.List2.selectedIndex());
}

void mnuClear_Click(Form& form)
{
    form.vars.reply =
        form.dialogs.messageBox("Confirm clear list?", Buttons::YesNo, Icon::Question, "Confirm clear list?");
    if (form.vars.reply == AnswerYes)
        form.List2.clear();
}

}  // namespace tavrel
