// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/window.h"

namespace tavrel {

// Find Factors: lists every factor pair of the number in the input box, the
// count of factors and a prime / palindrome / parity summary.
void findFactors(Window& window);

}  // namespace tavrel
