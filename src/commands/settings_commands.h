// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/command_context.h"

namespace tavrel {

// Define Ranges: sets the display range (Yes), clears it (No) or does
// nothing (Cancel). Each bound is stored as soon as it is read and asked
// again until it is acceptable.
void defineRanges(CommandContext& context);

// Multiples settings: the count (floored) and the multiplier (rounded), each
// asked again until it is 1 or more.
void setMultiples(CommandContext& context);

}  // namespace tavrel
