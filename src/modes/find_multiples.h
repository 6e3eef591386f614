#pragma once

#include "app/form.h"

namespace tavrel {

// Mode 1: lists the multiples k x a = a*k for k = MRatio, 2*MRatio, ... up
// to MaxMultiples*MRatio, keeping only products inside the display range.
void FindMultiples(Form& form);

}  // namespace tavrel
