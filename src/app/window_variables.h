#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavrel {

// The main window's variables, alive from start-up to exit and never stored.
struct WindowVariables {
    std::int32_t MaxMultiples = 1000;  // how many multiples to list
    std::optional<int> reply;          // answer code of the last question; empty at start
    std::int16_t LastMode = 0;         // current mode, the ticked Mode menu item
    std::int32_t Y = 0;                // last result of Find GCD/HCF
    std::int32_t URange = 0;           // display range, upper bound (inclusive)
    std::int32_t LRange = 0;           // display range, lower bound (inclusive)
    std::int32_t MRatio = 1;           // first multiplier and step of the multiples
    std::string WorkDir;               // start-up directory, ending in a separator

    bool rangeInForce() const { return LRange != 0 || URange != 0; }
};

}  // namespace tavrel
