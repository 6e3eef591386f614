// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/results_list.h"
#include "arithmetic/failure.h"

namespace tavrel {

inline constexpr std::string_view kErrorMarker = "ERROR!";

// Replaces the list with "ERROR!" and the failure's description. The input
// box is left alone on purpose: it shows how far the run got.
void reportError(ResultsList& list, Failure failure);

}  // namespace tavrel
