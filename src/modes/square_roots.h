#pragma once

#include "app/form.h"

namespace tavrel {

// Mode 4: rewrites the square root of n as i x Square root of (n / i^2),
// with i^2 the largest square dividing n, or "Cannot do.".
void SquareRoots(Form& form);

}  // namespace tavrel
