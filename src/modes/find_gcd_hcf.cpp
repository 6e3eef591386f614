// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/find_gcd_hcf.h"

#include <optional>
#include <vector>

#include "arithmetic/common_divisor.h"
#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"
#include "modes/error_report.h"

namespace tavrel {
namespace {

// The list's lines as 16-bit values, and where the first line that is not
// wholly a number stands. The first line must be wholly a number; the rest
// are read leniently, each once, so a long list stays fast.
struct CollectedValues {
    std::vector<std::int16_t> values;
    std::size_t firstNonNumber = 0;  // values.size(): none
    Failure nonNumberFailure = Failure::TypeMismatch;
};

Result<CollectedValues> readCollected(const ResultsList& list)
{
    Result<double> first = readStrict(list.line(0));
    if (!first)
        return first.failure();
    Result<std::int16_t> firstValue = roundToInt16(*first);
    if (!firstValue)
        return firstValue.failure();

    CollectedValues c;
    c.values.resize(list.count());
    c.firstNonNumber = c.values.size();
    if (!c.values.empty())
        c.values[0] = *firstValue;
    // One pass over the lines, without looking each one up by its index.
    std::optional<Failure> failure;
    std::size_t i = 1;
    list.forEachLine(1, [&](std::string_view line) {
        Result<double> lenient = readLenient(line);
        Result<std::int16_t> value = lenient ? roundToInt16(*lenient) : Result<std::int16_t>(lenient.failure());
        if (!value) {
            failure = value.failure();
            return false;
        }
        c.values[i] = *value;
        if (c.firstNonNumber == c.values.size()) {
            if (Result<double> strict = readStrict(line); !strict) {
                c.firstNonNumber = i;
                c.nonNumberFailure = strict.failure();
            }
        }
        ++i;
        return true;
    });
    if (failure)
        return *failure;
    return c;
}

std::optional<Failure> run(CommandContext& context)
{
    context.input.setText("Running...");
    Result<CollectedValues> collected = readCollected(context.list);
    if (!collected)
        return collected.failure();
    const DivisorSearch found = searchCommonDivisor(collected->values, collected->firstNonNumber);
    if (found.hitUnreadable)
        return collected->nonNumberFailure;
    if (found.divisor == 0) {
        context.input.setText("No solution");
        return std::nullopt;
    }
    const std::string divisor = numberToText(std::int64_t{found.divisor});
    context.dialogs.messageBox("The GCD/HCF of all the numbers in the list is: " + divisor, Buttons::Ok,
                               Icon::Information, "GCD/HCF");
    context.input.setText(divisor);
    return std::nullopt;
}

}  // namespace

void findGcdHcf(CommandContext& context) { runReportingFailure(context, run); }

}  // namespace tavrel
