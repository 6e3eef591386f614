// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/factors.h"

#include <algorithm>
#include <cmath>

#include "arithmetic/number_text.h"

namespace tavrel {

Result<Factors> factorsOf(std::int32_t n, Range range)
{
    if (n < 0)
        return Failure::InvalidArgument;  // no square root of a negative number
    Factors f;
    const std::string digits = numberToText(static_cast<std::int64_t>(n));
    f.odd = (digits.back() - '0') % 2 == 1;
    f.palindrome = std::equal(digits.begin(), digits.begin() + digits.size() / 2, digits.rbegin());

    const bool ranged = range.inForce();
    if (!ranged || (range.low <= 1 && range.high >= 1))
        f.pairs.push_back({1, n});
    // 1 and n are two factors, except for 1 itself, which has just the one.
    const int base = n == 1 ? 1 : 2;
    f.shownFactors = base;
    std::int64_t divisors = base;
    // The trial loop divides in unsigned 32 bits: a 64-bit division costs
    // several times as much on common processors, which is most of a run for
    // a large prime.
    const auto whole = static_cast<std::uint32_t>(n);
    const auto last = static_cast<std::uint32_t>(std::sqrt(static_cast<double>(n)));  // i <= root for whole i
    for (std::int64_t i = f.odd ? 3 : 2; i <= last; ++i) {
        if (whole % static_cast<std::uint32_t>(i) != 0)
            continue;
        const int d = i * i == n ? 1 : 2;
        divisors += d;
        const std::int64_t q = n / i;
        if (!ranged || range.contains(i) || range.contains(q)) {
            f.pairs.push_back({i, q});
            f.shownFactors += d;
        }
    }
    f.prime = divisors == 2;
    return f;
}

}  // namespace tavrel
