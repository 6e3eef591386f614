// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/window.h"

namespace tavrel {

// Enter in the input box: clears a list that holds an error report, then
// runs the current mode (Find GCD/HCF collects the number instead).
void pressEnter(Window& window);

// The OK button: runs the current mode; Find GCD/HCF computes the divisor.
void pressOk(Window& window);

}  // namespace tavrel
