// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/settings_commands.h"

#include <string>

#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"

namespace tavrel {
namespace {

const char* const kRangeQuestion = "This lets you define a range for the number of factors or multiplies to generate.\r"
                                   "Do you wish to proceed?\r"
                                   "Note: Clicking No will clear any ranges previously specified.\r"
                                   "Click Cancel if you do not wish to continue instead.";

// Asks until `accept` holds for the stored value. Returns false after a
// conversion failure, which stores nothing.
template <class Convert, class Accept>
bool askUntilAccepted(Dialogs& dialogs, const char* prompt, const char* title, std::int32_t& target, Convert convert,
                      Accept accept)
{
    for (;;) {
        std::string answer = dialogs.inputBox(prompt, title, numberToText(std::int64_t{target}));
        Result<std::int32_t> value = convert(answer);
        if (!value)
            return false;
        target = *value;
        if (accept(target))
            return true;
    }
}

}  // namespace

void defineRanges(CommandContext& context)
{
    Dialogs& dialogs = context.dialogs;
    Range& range = context.settings.range;
    const Answer answer = dialogs.messageBox(kRangeQuestion, Buttons::YesNoCancel, Icon::Information, "Define Ranges?");
    if (answer == Answer::Yes) {
        bool ok = askUntilAccepted(dialogs, "Enter lower range.", "Enter lower range.", range.low, readStrictFloor,
                                   [](std::int32_t v) { return v >= 0; }) &&
                  askUntilAccepted(dialogs, "Enter upper range.", "Enter upper range.", range.high, readStrictFloor,
                                   [&](std::int32_t v) { return v > range.low; });
        if (!ok)
            dialogs.messageBox("An error has occured, or maybe you just clicked Cancel. Please try again.", Buttons::Ok,
                               Icon::Information, "An error has occured.");
    } else if (answer == Answer::No) {
        range = Range{};
        dialogs.messageBox("No ranges defined.", Buttons::Ok, Icon::Information, "No ranges defined.");
    }
}

void setMultiples(CommandContext& context)
{
    Dialogs& dialogs = context.dialogs;
    MultiplesSettings& multiples = context.settings.multiples;
    auto positive = [](std::int32_t v) { return v >= 1; };
    bool ok = askUntilAccepted(dialogs, "Enter number of multiples you wish to display", "Multiples: Limits",
                               multiples.count, readLenientFloor, positive) &&
              askUntilAccepted(dialogs, "Enter multiplier:", "Multiple: Multiplier", multiples.multiplier,
                               readLenientRound, positive);
    if (!ok)
        dialogs.messageBox("An error has occured. Please try again.", Buttons::Ok, Icon::Information,
                           "An error has occured.");
}

}  // namespace tavrel
