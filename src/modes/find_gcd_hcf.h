#pragma once

#include "app/form.h"

namespace tavrel {

// Mode 2, on OK: the greatest common divisor (2 or more) of the numbers
// collected in the list, shown in a message box and the input box, or
// "No solution". Values are 16-bit, as the collected numbers always were.
void FindGcdHcf(Form& form);

}  // namespace tavrel
