// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/find_multiples.h"

#include <optional>

#include "arithmetic/multiples.h"
#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"
#include "modes/error_report.h"

namespace tavrel {
namespace {

std::optional<Failure> run(Window& window)
{
    Result<std::int32_t> number = readLenientRound(window.input.text());
    if (!number)
        return number.failure();

    window.input.setText("Running...");
    ResultsList& list = window.list;
    list.clear();
    const MultiplesSettings& multiples = window.settings.multiples;
    Result<Multipliers> k = shownMultipliers(*number, multiples.count, multiples.multiplier, window.settings.range);
    if (!k)
        return k.failure();
    // One run, however long: its lines are made when they are shown.
    if (!list.append(MultiplesRun{*number, k->first, k->step, k->count()}))
        return Failure::ListFull;
    window.input.setText(numberToText(std::int64_t{*number}));
    return std::nullopt;
}

}  // namespace

void findMultiples(Window& window) { runReportingFailure(window, run); }

}  // namespace tavrel
