// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/multiples.h"

namespace tavrel {
namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return -floorDiv(-a, b); }

int digitCount(std::int64_t v)
{
    int n = v < 0 ? 2 : 1;
    for (std::uint64_t u = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v); u >= 10;
         u /= 10)
        ++n;
    return n;
}

// The length of a product's text: its digits and sign below 10^15, from
// there the exponent form, never longer than "-d.ddddddddddddddE+NN".
int productTextSize(std::int64_t product)
{
    return product < 1'000'000'000'000'000 && product > -1'000'000'000'000'000 ? digitCount(product) : 21;
}

}  // namespace

Result<Multipliers> shownMultipliers(std::int64_t number, std::int32_t count, std::int32_t step, Range range)
{
    const std::int64_t limit = static_cast<std::int64_t>(count) * step;
    if (limit < INT32_MIN || limit > INT32_MAX)
        return Failure::Overflow;
    if (step < 1)
        return Multipliers{1, 0, 1};
    Multipliers m{step, limit, step};
    if (!range.inForce())
        return m;
    const std::int64_t lower = range.low;
    const std::int64_t upper = range.high;
    std::int64_t kLow;
    std::int64_t kHigh;
    if (lower > upper) {
        return Multipliers{1, 0, 1};
    } else if (number == 0) {
        if (lower > 0 || upper < 0)
            return Multipliers{1, 0, 1};
        kLow = m.first;
        kHigh = m.last;
    } else if (number > 0) {
        kLow = ceilDiv(lower, number);
        kHigh = floorDiv(upper, number);
    } else {
        kLow = ceilDiv(upper, number);
        kHigh = floorDiv(lower, number);
    }
    // The first shown k is the next multiple of the step at or above both
    // the step itself and the range's lowest k.
    m.first = ceilDiv(std::max(m.first, kLow), m.step) * m.step;
    m.last = std::min(m.last, kHigh);
    return m;
}

std::size_t multiplesTextSize(std::int64_t number, const Multipliers& k)
{
    const std::int64_t count = k.count();
    if (count == 0)
        return 0;
    // Every k is positive, so the longest product is at one end of the run.
    const int product = std::max(productTextSize(number * k.first), productTextSize(number * k.last));
    return static_cast<std::size_t>(count) *
           static_cast<std::size_t>(digitCount(k.last) + digitCount(number) + product + 6);
}

}  // namespace tavrel
