// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "arithmetic/failure.h"
#include "state/results_list.h"
#include "state/command_context.h"

namespace tavrel {

inline constexpr std::string_view kErrorMarker = "ERROR!";

// Replaces the list with "ERROR!" and the failure's description. The input
// box is left alone on purpose: it shows how far the run got.
void reportError(ResultsList& list, Failure failure);

// A mode's run: nothing when it finished, or the failure that stopped it.
using ModeSteps = std::optional<Failure> (*)(CommandContext&);

// Runs a mode's steps and reports the failure that stopped them, if any.
// Every mode ends this way, so the report looks the same from each.
void runReportingFailure(CommandContext& context, ModeSteps steps);

}  // namespace tavrel
