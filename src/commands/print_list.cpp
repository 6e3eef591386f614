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

void mnuPrint_Click(Form& form, Printer& printer)
{
    form.vars.reply = form.dialogs.messageBox("Tavrel will now start printing.", Buttons::YesNo,
                                              Icon::Information, "Ready to print?");
    if (form.vars.reply != AnswerYes)
        return;

    const std::size_t count = form.List2.count();
    PrintStatus status = printer.begin(PrintSettings{"Courier New", 10, 300}, count);
    std::size_t printed = 0;
    while (status == PrintStatus::Ok && printed < count) {
        status = printer.printLine(form.List2.line(static_cast<std::ptrdiff_t>(printed)));
        if (status == PrintStatus::Ok)
            ++printed;
    }
    if (status == PrintStatus::Ok)
        status = printer.end();
    report(form.dialogs, status, printed);
}

}  // namespace tavrel
