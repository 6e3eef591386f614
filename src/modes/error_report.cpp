// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/error_report.h"

namespace tavrel {

void reportError(ResultsList& list, Failure failure)
{
    list.clear();
    list.append(kErrorMarker);
    list.append(describe(failure));
}

void runReportingFailure(Window& window, ModeSteps steps)
{
    if (std::optional<Failure> failure = steps(window))
        reportError(window.list, *failure);
}

}  // namespace tavrel
