// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "arithmetic/failure.h"

namespace tavrel {

// The square root of n as whole x Square root of rest, with whole^2 the
// largest square of 4 or more dividing n.
struct SurdSplit {
    std::int64_t whole;
    std::int64_t rest;  // 1: n is a perfect square
};

// Nothing when no square of 4 or more divides n (0 to 3 among them). A
// negative n is an InvalidArgument; n beyond 32 bits, an Overflow.
Result<std::optional<SurdSplit>> splitSquareRoot(double n);

}  // namespace tavrel
