// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tavrel {

// The display range: only factors and multiples between `low` and `high`
// (both included) are listed. Both 0 means no range is in force.
struct Range {
    std::int32_t low = 0;
    std::int32_t high = 0;

    bool inForce() const { return low != 0 || high != 0; }
    bool contains(std::int64_t value) const { return low <= value && value <= high; }
};

}  // namespace tavrel
