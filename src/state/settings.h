// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "arithmetic/range.h"
#include "state/mode.h"

namespace tavrel {

// How Find Multiples runs: `count` multiples of the number, the multiplier
// starting at `multiplier` and going up in steps of it.
struct MultiplesSettings {
    std::int32_t count = 1000;
    std::int32_t multiplier = 1;
};

// What the main window keeps from start-up to exit; nothing is stored.
struct Settings {
    Mode mode = Mode::Factors;
    MultiplesSettings multiples;
    Range range;
    std::string workDir;  // the start-up folder, ending in a separator
};

}  // namespace tavrel
