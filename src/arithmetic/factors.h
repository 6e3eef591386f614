// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "arithmetic/failure.h"
#include "arithmetic/range.h"

namespace tavrel {

struct FactorPair {
    std::int64_t small;
    std::int64_t large;  // small * large is the number; small <= large
};

// Every factor pair of a number and what the summary says of it.
struct Factors {
    std::vector<FactorPair> pairs;  // the pairs shown, smallest factor first
    std::int64_t shownFactors = 0;  // factors in the shown pairs (a square's root once)
    bool prime = false;
    bool palindrome = false;  // its decimal digits read the same backwards
    bool odd = false;
};

// The factor pairs of n >= 1, keeping only the pairs with a factor inside
// the range when one is in force (the pair 1 x n: only when 1 is inside).
// A negative n is an InvalidArgument.
Result<Factors> factorsOf(std::int32_t n, Range range);

}  // namespace tavrel
