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

}  // namespace

MultipleLines::MultipleLines(std::int64_t number) : number_(number)
{
    const std::string middle = " x " + numberToText(number) + " = ";
    middleSize_ = std::min(middle.size(), sizeof middle_);
    std::copy(middle.begin(), middle.begin() + static_cast<std::ptrdiff_t>(middleSize_), middle_);
}

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

}  // namespace tavrel
