// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/command_context.h"

namespace tavrel {

// Shows the current mode: the tick in the Mode menu and the mode label.
class ModeIndicator {
public:
    virtual ~ModeIndicator() = default;
    virtual void showMode(Mode mode) = 0;
};

// A Mode menu item chosen: asks to confirm, switches, then offers to clear
// the list. The current mode or one that cannot be chosen does nothing.
void chooseMode(CommandContext& context, ModeIndicator& indicator, Mode mode);

}  // namespace tavrel
