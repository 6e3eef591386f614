#pragma once

#include "app/form.h"

namespace tavrel {

// Shows the current mode: the tick in the Mode menu and the mode label.
class ModeIndicator {
public:
    virtual ~ModeIndicator() = default;
    virtual void showMode(int mode) = 0;
};

// A Mode menu item chosen: asks to confirm, switches, then offers to clear
// the list. The current or a disabled item does nothing.
void mnuMode1_Click(Form& form, ModeIndicator& indicator, int index);

}  // namespace tavrel
