// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/find_multiples.h"

#include <optional>

#include "arithmetic/multiples.h"
#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"
#include "modes/error_report.h"

namespace tavrel {
namespace {

std::optional<Failure> run(CommandContext& context)
{
    Result<std::int32_t> number = readLenientRound(context.input.text());
    if (!number)
        return number.failure();

    context.input.setText("Running...");
    ResultsList& list = context.list;
    list.clear();
    const MultiplesSettings& multiples = context.settings.multiples;
    Result<Multipliers> k = shownMultipliers(*number, multiples.count, multiples.multiplier, context.settings.range);
    if (!k)
        return k.failure();
    // One run, however long: its lines are made when they are shown.
    if (!list.append(MultiplesRun{*number, k->first, k->step, k->count()}))
        return Failure::ListFull;
    context.input.setText(numberToText(std::int64_t{*number}));
    return std::nullopt;
}

}  // namespace

void findMultiples(CommandContext& context) { runReportingFailure(context, run); }

}  // namespace tavrel
