// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/square_root.h"

#include <cmath>

namespace tavrel {

Result<std::optional<SurdSplit>> splitSquareRoot(double n)
{
    if (n < 0)
        return Failure::InvalidArgument;
    for (double i = std::floor(std::sqrt(n)); i >= 2; --i) {
        // Squares and n are 32-bit values; the first square tried is the
        // largest, so a larger n fails at once.
        if (i * i > 2147483647.0 || n > 2147483647.0)
            return Failure::Overflow;
        const auto square = static_cast<std::int32_t>(i * i);
        const auto whole = static_cast<std::int32_t>(n);
        if (whole % square == 0)
            return std::optional<SurdSplit>(SurdSplit{static_cast<std::int64_t>(i), whole / square});
    }
    return std::optional<SurdSplit>();
}

}  // namespace tavrel
