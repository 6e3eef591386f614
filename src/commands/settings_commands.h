#pragma once

#include "app/form.h"

namespace tavrel {

// Define Ranges: sets the display range (Yes), clears it (No) or does
// nothing (Cancel). Each bound is stored as soon as it is read and asked
// again until it is acceptable.
void mnuRange_Click(Form& form);

// Multiples settings: the count (floored) and the ratio (rounded), each
// asked again until it is 1 or more.
void mnuSet_Click(Form& form);

}  // namespace tavrel
