// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/input_dispatch.h"

#include "modes/error_report.h"
#include "modes/mode_table.h"

namespace tavrel {

namespace {

// Runs what the current mode's row gives for Enter or OK, if anything.
void runAction(Window& window, ModeAction ModeRow::*action)
{
    const ModeRow* row = modeRow(window.settings.mode);
    if (row && row->*action)
        (row->*action)(window);
}

}  // namespace

void pressEnter(Window& window)
{
    ResultsList::Batch batch(window.list);
    if (window.list.line(0) == kErrorMarker)
        window.list.clear();
    runAction(window, &ModeRow::enter);
}

void pressOk(Window& window)
{
    ResultsList::Batch batch(window.list);
    runAction(window, &ModeRow::ok);
}

}  // namespace tavrel
