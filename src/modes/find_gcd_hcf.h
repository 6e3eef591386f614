// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/command_context.h"

namespace tavrel {

// Find GCD/HCF, on OK: the greatest common divisor (2 or more) of the
// numbers collected in the list, shown in a message box and the input box,
// or "No solution". Values are 16-bit, as the collected numbers always were.
void findGcdHcf(CommandContext& context);

}  // namespace tavrel
