// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mode_switching.h"

#include <string>

#include "modes/mode_table.h"

namespace tavrel {

void chooseMode(Window& window, ModeIndicator& indicator, Mode mode)
{
    Settings& settings = window.settings;
    if (!isSelectable(mode) || mode == settings.mode)
        return;
    const std::string from(modeCaption(settings.mode));
    const std::string to(modeCaption(mode));
    if (window.dialogs.messageBox("Confirm change mode from '" + from + "' to '" + to + "' ?", Buttons::YesNo,
                                  Icon::Question, "Confirm change mode?") != Answer::Yes)
        return;
    settings.mode = mode;
    indicator.showMode(mode);
    if (window.dialogs.messageBox("Clear list box?", Buttons::YesNo, Icon::Information, "Clear list box?") ==
        Answer::Yes)
        window.list.clear();
}

}  // namespace tavrel
