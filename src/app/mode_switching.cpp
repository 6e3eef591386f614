// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mode_switching.h"

#include <string>

#include "modes/mode_table.h"

namespace tavrel {

void chooseMode(CommandContext& context, ModeIndicator& indicator, Mode mode)
{
    Settings& settings = context.settings;
    if (!isSelectable(mode) || mode == settings.mode)
        return;
    const std::string from(modeCaption(settings.mode));
    const std::string to(modeCaption(mode));
    if (context.dialogs.messageBox("Confirm change mode from '" + from + "' to '" + to + "' ?", Buttons::YesNo,
                                   Icon::Question, "Confirm change mode?") != Answer::Yes)
        return;
    settings.mode = mode;
    indicator.showMode(mode);
    if (context.dialogs.messageBox("Clear list box?", Buttons::YesNo, Icon::Information, "Clear list box?") ==
        Answer::Yes)
        context.list.clear();
}

}  // namespace tavrel
