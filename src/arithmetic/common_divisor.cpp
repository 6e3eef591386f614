// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/common_divisor.h"

#include <algorithm>

namespace tavrel {

DivisorSearch searchCommonDivisor(std::span<const std::int16_t> values, std::size_t unreadable)
{
    if (values.empty())
        return {};
    const int smallest = *std::min_element(values.begin(), values.end());
    for (int j = smallest; j >= 2; --j) {
        if (smallest % j != 0)
            continue;
        bool allDivisible = false;
        for (std::size_t k = 0; k < values.size(); ++k) {
            if (k == unreadable)
                return {0, true};
            allDivisible = values[k] % j == 0;
            if (!allDivisible)
                break;
        }
        if (allDivisible)
            return {j, false};
    }
    return {};
}

}  // namespace tavrel
