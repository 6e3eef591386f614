#include "app/mode_switching.h"

#include <string>

#include "app/modes_table.h"

namespace tavrel {

void mnuMode1_Click(Form& form, ModeIndicator& indicator, int index)
{
    if (!isModeEnabled(index) || index == form.vars.LastMode)
        return;
    const std::string from(kModeCaptions[static_cast<std::size_t>(form.vars.LastMode)]);
    const std::string to(kModeCaptions[static_cast<std::size_t>(index)]);
    form.vars.reply = form.dialogs.messageBox("Confirm change mode from '" + from + "' to '" + to + "' ?",
                                              Buttons::YesNo, Icon::Question, "Confirm change mode?");
    if (form.vars.reply != AnswerYes)
        return;
    form.vars.LastMode = static_cast<std::int16_t>(index);
    indicator.showMode(index);
    form.vars.reply = form.dialogs.messageBox("Clear list box?", Buttons::YesNo, Icon::Information,
                                              "Clear list box?");
    if (form.vars.reply == AnswerYes)
        form.List2.clear();
}

}  // namespace tavrel
