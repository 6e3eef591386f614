// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/command_context.h"

namespace tavrel {

// Find Factors: lists every factor pair of the number in the input box, the
// count of factors and a prime / palindrome / parity summary.
void findFactors(CommandContext& context);

}  // namespace tavrel
