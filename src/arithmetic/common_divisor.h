// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tavrel {

// What the search for a common divisor of 16-bit values found.
struct DivisorSearch {
    int divisor = 0;             // the greatest common divisor of 2 or more; 0: none
    bool hitUnreadable = false;  // the search had to look at values[unreadable]
};

// Tries each divisor j of the smallest value, from the largest down to 2,
// against every value in turn; the first j dividing them all is the answer.
// `unreadable` is the index of a value that stands for a line that is not a
// number: a pass that reaches it ends the search there (hitUnreadable).
// Pass values.size() when every value is readable.
DivisorSearch searchCommonDivisor(std::span<const std::int16_t> values, std::size_t unreadable);

}  // namespace tavrel
