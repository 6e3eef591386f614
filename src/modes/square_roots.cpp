// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/square_roots.h"

#include <cmath>
#include <optional>
#include <string>

#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"
#include "arithmetic/square_root.h"
#include "modes/error_report.h"

namespace tavrel {
namespace {

std::optional<Failure> run(CommandContext& context)
{
    ResultsList& list = context.list;
    list.clear();
    Result<double> read = readLenient(context.input.text());
    if (!read)
        return read.failure();
    const double n = std::floor(*read);
    context.input.setText(numberToText(n));
    Result<std::optional<SurdSplit>> split = splitSquareRoot(n);
    if (!split)
        return split.failure();
    if (!*split) {
        return list.append("Cannot do.") ? std::nullopt : std::optional(Failure::ListFull);
    }
    const SurdSplit& s = **split;
    if (!list.append("Square root of " + numberToText(n) + " is:"))
        return Failure::ListFull;
    std::string answer = numberToText(s.whole);
    if (s.rest != 1)
        answer += " x Square root of " + numberToText(s.rest);
    return list.append(answer) ? std::nullopt : std::optional(Failure::ListFull);
}

}  // namespace

void squareRoots(CommandContext& context) { runReportingFailure(context, run); }

}  // namespace tavrel
