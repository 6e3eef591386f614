// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/command_context.h"

namespace tavrel {

// Enter in a mode that works on a list of numbers (Find GCD/HCF): appends
// the floor of the input's number to the list and empties the box. A number
// beyond the double range appends nothing and keeps the box, as does a full
// list.
void collectNumber(CommandContext& context);

}  // namespace tavrel
