// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/input_dispatch.h"

#include "modes/error_report.h"
#include "modes/mode_table.h"

namespace tavrel {

namespace {

// Runs what the current mode's row gives for Enter or OK, if anything.
void runAction(CommandContext& context, ModeAction ModeRow::*action)
{
    const ModeRow* row = modeRow(context.settings.mode);
    if (row && row->*action)
        (row->*action)(context);
}

}  // namespace

void pressEnter(CommandContext& context)
{
    ResultsList::Batch batch(context.list);
    if (context.list.line(0) == kErrorMarker)
        context.list.clear();
    runAction(context, &ModeRow::enter);
}

void pressOk(CommandContext& context)
{
    ResultsList::Batch batch(context.list);
    runAction(context, &ModeRow::ok);
}

}  // namespace tavrel
