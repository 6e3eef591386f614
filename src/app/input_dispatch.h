// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/command_context.h"

namespace tavrel {

// Enter in the input box: clears a list that holds an error report, then
// does what the table of modes gives the current mode for Enter (most modes
// run; Find GCD/HCF collects the number).
void pressEnter(CommandContext& context);

// The OK button: does what the table of modes gives the current mode for OK
// (Find GCD/HCF computes the divisor).
void pressOk(CommandContext& context);

}  // namespace tavrel
