// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/print_list.h"

#include <string>

namespace tavrel {
namespace {

// Printing has no failure notice of its own; these say what went wrong.
void report(Dialogs& dialogs, PrintStatus status, std::size_t printedLines)
{
    switch (status) {
    case PrintStatus::NoPrinter:
        dialogs.messageBox("No printer is installed.", Buttons::Ok, Icon::Information, "Print");
        break;
    case PrintStatus::Failed:
        dialogs.messageBox("The list could not be printed.", Buttons::Ok, Icon::Information, "Print");
        break;
    case PrintStatus::Stopped:
        dialogs.messageBox("Printing was cancelled. Lines 1 to " + std::to_string(printedLines) +
                               " had already been printed.",
                           Buttons::Ok, Icon::Information, "Print");
        break;
    case PrintStatus::Ok:
    case PrintStatus::Cancelled:  // the user stopped it and knows
        break;
    }
}

}  // namespace

void printList(CommandContext& context, Printer& printer)
{
    if (context.dialogs.messageBox("Tavrel will now start printing.", Buttons::YesNo, Icon::Information,
                                   "Ready to print?") != Answer::Yes)
        return;

    const std::size_t count = context.list.count();
    PrintStatus status = printer.begin(PrintSettings{"Courier New", 10, 300}, count);
    std::size_t printed = 0;
    if (status == PrintStatus::Ok) {
        context.list.forEachLine(0, [&](std::string_view line) {
            status = printer.printLine(line);
            printed += status == PrintStatus::Ok;
            return status == PrintStatus::Ok;
        });
    }
    if (status == PrintStatus::Ok)
        status = printer.end();
    report(context.dialogs, status, printed);
}

}  // namespace tavrel
