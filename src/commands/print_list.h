// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/command_context.h"
#include "platform/printer.h"

namespace tavrel {

// Print: after a Yes, prints every line of the list on the default printer
// in Courier New 10 pt, one printed line per list line and nothing else.
void printList(CommandContext& context, Printer& printer);

}  // namespace tavrel
