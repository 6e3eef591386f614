// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "arithmetic/failure.h"
#include "arithmetic/number_text.h"
#include "arithmetic/range.h"

namespace tavrel {

// The multipliers k of a run of multiples whose line is shown: every
// `step`-th k from `first` to `last`.
struct Multipliers {
    std::int64_t first = 1;
    std::int64_t last = 0;  // last < first: none
    std::int64_t step = 1;
    std::int64_t count() const { return last < first ? 0 : (last - first) / step + 1; }
};

// The multipliers k = step, 2*step, ... up to count*step whose product
// number*k lies inside the range (all of them when none is in force). They
// are worked out directly, not by visiting every k, so a filtered run over
// two billion multipliers stays instant. count*step beyond 32 bits is an
// Overflow; a step below 1 gives none.
Result<Multipliers> shownMultipliers(std::int64_t number, std::int32_t count, std::int32_t step, Range range);

// Writes the line "k x number = product" of every shown k to `sink`, a
// callable taking a std::string_view and returning false to stop (a full
// list). Lines are built in place: no allocation per line. Returns false
// when the sink stopped the run.
template <class Sink>
bool writeMultiples(std::int64_t number, const Multipliers& k, Sink&& sink)
{
    const std::string middle = " x " + numberToText(number) + " = ";
    char line[96];
    const std::int64_t count = k.count();
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t kk = k.first + i * k.step;
        char* p = std::to_chars(line, line + 24, kk).ptr;
        p = std::copy(middle.begin(), middle.end(), p);
        const std::int64_t product = number * kk;
        if (product < 1'000'000'000'000'000 && product > -1'000'000'000'000'000) {
            p = std::to_chars(p, line + sizeof line, product).ptr;
        } else {
            const std::string big = numberToText(product);
            p = std::copy(big.begin(), big.end(), p);
        }
        if (!sink(std::string_view(line, static_cast<std::size_t>(p - line))))
            return false;
    }
    return true;
}

}  // namespace tavrel
