// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/error_report.h"

namespace tavrel {

void reportError(ResultsList& list, Failure failure)
{
    list.clear();
    // A cleared list always has room for the two lines.
    static_cast<void>(list.append(kErrorMarker));
    static_cast<void>(list.append(describe(failure)));
}

void runReportingFailure(CommandContext& context, ModeSteps steps)
{
    if (std::optional<Failure> failure = steps(context))
        reportError(context.list, *failure);
}

}  // namespace tavrel
