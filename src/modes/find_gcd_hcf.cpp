#include "modes/find_gcd_hcf.h"

#include <cstdint>
#include <vector>

#include "modes/error_report.h"
#include "modes/number_reading.h"
#include "modes/number_text.h"

namespace tavrel {
namespace {

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

    // Each line is read once up front, keeping what the divisor passes need:
    // its value, and where the first line that is not wholly a number stands
    // (a pass that reaches it fails there). A long list then stays fast.
    std::vector<std::int16_t> values(list.count());
    if (!values.empty())
        values[0] = m;
    std::size_t firstNonNumber = values.size();
    Failure nonNumberFailure = Failure::TypeMismatch;
    for (std::size_t i = 1; i < values.size(); ++i) {
        std::string_view line = list.line(static_cast<std::ptrdiff_t>(i));
        Result<double> lenient = readLenient(line);
        if (!lenient)
            return lenient.failure();
        Result<std::int16_t> value = roundToInt16(*lenient);
        if (!value)
            return value.failure();
        values[i] = *value;
        if (*value < m)
            m = *value;
        if (firstNonNumber == values.size()) {
            Result<double> strict = readStrict(line);
            if (!strict) {
                firstNonNumber = i;
                nonNumberFailure = strict.failure();
            }
        }
    }

    bool allDivisible = false;
    for (int j = m; j >= 2; --j) {
        if (m % j != 0)
            continue;
        for (std::size_t k = 0; k < values.size(); ++k) {
            if (k == firstNonNumber)
                return nonNumberFailure;
            allDivisible = values[k] % j == 0;
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
