#include "commands/settings_commands.h"

#include <string>

#include "modes/number_reading.h"
#include "modes/number_text.h"

namespace tavrel {
namespace {

const char* const kRangeQuestion =
    "This lets you define a range for the number of factors or multiplies to generate.\r"
    "Do you wish to proceed?\r"
    "Note: Clicking No will clear any ranges previously specified.\r"
    "Click Cancel if you do not wish to continue instead.";

// Asks until `accept` holds for the stored value. Returns false after a
// conversion failure, which stores nothing.
template <class Convert, class Accept>
bool askUntilAccepted(Form& form, const char* prompt, const char* title, std::int32_t& target, Convert convert,
                      Accept accept)
{
    for (;;) {
        std::string answer = form.dialogs.inputBox(prompt, title, numberToText(std::int64_t{target}));
        Result<std::int32_t> value = convert(answer);
        if (!value)
            return false;
        target = *value;
        if (accept(target))
            return true;
    }
}

Result<std::int32_t> strictFloor(const std::string& text)
{
    Result<double> read = readStrict(text);
    if (!read)
        return read.failure();
    return floorToInt32(*read);
}

Result<std::int32_t> lenientFloor(const std::string& text)
{
    Result<double> read = readLenient(text);
    if (!read)
        return read.failure();
    return floorToInt32(*read);
}

Result<std::int32_t> lenientRound(const std::string& text)
{
    Result<double> read = readLenient(text);
    if (!read)
        return read.failure();
    return roundToInt32(*read);
}

}  // namespace

void mnuRange_Click(Form& form)
{
    WindowVariables& vars = form.vars;
    vars.reply = form.dialogs.messageBox(kRangeQuestion, Buttons::YesNoCancel, Icon::Information, "Define Ranges?");
    if (vars.reply == AnswerYes) {
        bool ok = askUntilAccepted(form, "Enter lower range.", "Enter lower range.", vars.LRange, strictFloor,
                                   [](std::int32_t v) { return v >= 0; }) &&
                  askUntilAccepted(form, "Enter upper range.", "Enter upper range.", vars.URange, strictFloor,
                                   [&](std::int32_t v) { return v > vars.LRange; });
        if (!ok)
            form.dialogs.messageBox(
                "An error has occured, or maybe you just clicked Cancel. Please try again.", Buttons::Ok,
                Icon::Information, "An error has occured.");
    } else if (vars.reply == AnswerNo) {
        vars.URange = 0;
        vars.LRange = 0;
        form.dialogs.messageBox("No ranges defined.", Buttons::Ok, Icon::Information, "No ranges defined.");
    }
}

void mnuSet_Click(Form& form)
{
    WindowVariables& vars = form.vars;
    auto positive = [](std::int32_t v) { return v >= 1; };
    bool ok = askUntilAccepted(form, "Enter number of multiples you wish to display", "Multiples: Limits",
                               vars.MaxMultiples, lenientFloor, positive) &&
              askUntilAccepted(form, "Enter multiplier:", "Multiple: Multiplier", vars.MRatio, lenientRound,
                               positive);
    if (!ok)
        form.dialogs.messageBox("An error has occured. Please try again.", Buttons::Ok, Icon::Information,
                                "An error has occured.");
}

}  // namespace tavrel
