// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/command_context.h"

namespace tavrel {

// Find Multiples: lists k x a = a*k for the number a in the input box and
// k = multiplier, 2*multiplier, ... up to count*multiplier, keeping only the
// products inside the display range.
void findMultiples(CommandContext& context);

}  // namespace tavrel
