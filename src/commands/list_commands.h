#pragma once

#include "app/form.h"
#include "platform/clipboard.h"

namespace tavrel {

// Copy selected entry: the selected line goes to the clipboard. Nothing
// selected leaves the clipboard alone.
void mnuCopy_Click(const ResultsList& list, Clipboard& clipboard);

// Delete selected entry, after a Yes. With no line selected it asks nothing.
void mnuDel_Click(Form& form);

// Clear list, after a Yes; it asks even when the list is empty.
void mnuClear_Click(Form& form);

}  // namespace tavrel
