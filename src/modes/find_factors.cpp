// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/find_factors.h"

#include <optional>
#include <string>

#include "arithmetic/factors.h"
#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"
#include "modes/error_report.h"

namespace tavrel {
namespace {

std::string pairLine(const FactorPair& pair)
{
    std::string line;
    appendNumber(line, pair.small);
    line += " x ";
    appendNumber(line, pair.large);
    return line;
}

std::optional<Failure> run(CommandContext& context)
{
    Result<std::int32_t> n = readLenientFloor(context.input.text());
    if (!n)
        return n.failure();

    context.input.setText("Running...");
    if (*n == 0) {
        context.dialogs.messageBox("Not in the valid range!", Buttons::Ok, Icon::Information, "Error!");
        context.input.setText("No solution");
        return std::nullopt;
    }
    const Result<Factors> factors = factorsOf(*n, context.settings.range);
    if (!factors)
        return factors.failure();

    ResultsList& list = context.list;
    list.clear();
    for (const FactorPair& pair : factors->pairs)
        if (!list.append(pairLine(pair)))
            return Failure::ListFull;
    std::string count = "= ";
    appendNumber(count, factors->shownFactors);
    for (std::string_view line :
         {std::string_view("Total Number of Factors"), std::string_view(count), std::string_view("Summary:"),
          std::string_view(factors->prime ? "It is a prime" : "It is NOT a prime"),
          std::string_view(factors->palindrome ? "It is a palindrome" : "It is not a palindrome"),
          std::string_view(factors->odd ? "It is an ODD number" : "It is an EVEN number")}) {
        if (!list.append(line))
            return Failure::ListFull;
    }
    context.input.setText(numberToText(std::int64_t{*n}));
    return std::nullopt;
}

}  // namespace

void findFactors(CommandContext& context) { runReportingFailure(context, run); }

}  // namespace tavrel
