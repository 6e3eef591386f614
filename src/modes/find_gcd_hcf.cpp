#include "modes/find_gcd_hcf.h"

#include <cstdint>
#include <vector>

#include "modes/error_report.h"
#include "modes/number_reading.h"
#include "modes/number_text.h"

namespace tavrel {
namespace {

// One list line as the divisor passes see it: its whole-number value, and
// the failure its strict reading meets, if any. Reading each line once keeps
// a run over a long list fast without changing which failure comes first.
struct Entry {
    std::int16_t value = 0;
    std::optional<Failure> strictFailure;
};

std::optional<Failure> run(Form& form)
{
    form.Text1.setText("Running...");
    form.vars.Y = 1;
    const ResultsList& list = form.List2;

    Result<double> first = readStrict(list.line(0));
    if (!first)
        return first.failure();
    Result<std::int16_t> firstValue = roundToInt16(*first);
    if (!firstValue)
        return firstValue.failure();
    std::int16_t m = *firstValue;

    std::vector<Entry> entries(list.count());
    if (!entries.empty())
        entries[0].value = m;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        std::string_view line = list.line(static_cast<std::ptrdiff_t>(i));
        Result<double> lenient = readLenient(line);
        if (!lenient)
            return lenient.failure();
        Result<std::int16_t> value = roundToInt16(*lenient);
        if (!value)
            return value.failure();
        entries[i].value = *value;
        if (*value < m)
            m = *value;
        Result<double> strict = readStrict(line);
        if (!strict)
            entries[i].strictFailure = strict.failure();
    }

    bool allDivisible = false;
    for (int j = m; j >= 2; --j) {
        if (m % j != 0)
            continue;
        for (const Entry& entry : entries) {
            if (entry.strictFailure)
                return entry.strictFailure;
            allDivisible = entry.value % j == 0;
            if (!allDivisible)
                break;
        }
        if (allDivisible) {
            form.dialogs.messageBox("The GCD/HCF of all the numbers in the list is: " + numberToText(std::int64_t{j}),
                                    Buttons::Ok, Icon::Information, "GCD/HCF");
            form.vars.Y = j;
            break;
        }
    }
    form.Text1.setText(allDivisible ? numberToText(std::int64_t{form.vars.Y}) : "No solution");
    return std::nullopt;
}

}  // namespace

void FindGcdHcf(Form& form)
{
    if (std::optional<Failure> failure = run(form)) {
        form.vars.Y = 1;
        reportError(form.List2, *failure);
    }
}

}  // namespace tavrel
