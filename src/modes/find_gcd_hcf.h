// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/window.h"

namespace tavrel {

// Find GCD/HCF, on OK: the greatest common divisor (2 or more) of the
// numbers collected in the list, shown in a message box and the input box,
// or "No solution". Values are 16-bit, as the collected numbers always were.
void findGcdHcf(Window& window);

// Enter in Find GCD/HCF: appends the floor of the input's number to the list
// and empties the box. A number beyond the double range appends nothing and
// keeps the box, as does a full list.
void collectNumber(Window& window);

}  // namespace tavrel
