#pragma once

#include "app/form.h"

namespace tavrel {

// Mode 0: lists every factor pair of the number in the input box, the count
// of factors and a prime / palindrome / parity summary.
void FindFactors(Form& form);

}  // namespace tavrel
