// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/command_context.h"
#include "platform/clipboard.h"

namespace tavrel {

// Copy selected entry: the selected line goes to the clipboard. Nothing
// selected leaves the clipboard alone.
void copySelectedEntry(const ResultsList& list, Clipboard& clipboard);

// Delete selected entry, after a Yes. With no line selected it asks nothing.
void deleteSelectedEntry(CommandContext& context);

// Clear list, after a Yes; it asks even when the list is empty.
void clearList(CommandContext& context);

}  // namespace tavrel
