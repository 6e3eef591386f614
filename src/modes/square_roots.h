// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/command_context.h"

namespace tavrel {

// Square Roots: rewrites the square root of the number in the input box as
// i x Square root of (n / i^2), with i^2 the largest square dividing n, or
// "Cannot do.".
void squareRoots(CommandContext& context);

}  // namespace tavrel
