#pragma once

#include "app/form.h"

namespace tavrel {

// Enter in the input box: clears a list that holds an error report, then
// runs the current mode (mode 2 collects the number instead).
void Text1_Enter(Form& form);

// The OK button: runs the current mode; mode 2 computes the GCD/HCF.
void cmdOK_Click(Form& form);

// Mode 2's Enter: appends the floor of the input's number and empties the
// box. A number beyond the double range appends nothing and keeps the box.
void collectNumber(Form& form);

}  // namespace tavrel
