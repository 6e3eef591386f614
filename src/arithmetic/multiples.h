// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <charconv>
#include <cstring>
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

// Writes the lines "k x number = product" of one number straight into a
// buffer: no allocation per line, for the millions a run may hold.
class MultipleLines {
public:
    // The longest line: two 10-digit multipliers or numbers with signs, the
    // longest product text and the separators.
    static constexpr std::size_t kMaxLine = 64;

    explicit MultipleLines(std::int64_t number);
    // Writes the line of multiplier k at `out`, which has room for kMaxLine
    // characters, and returns where it ends.
    char* write(char* out, std::int64_t k) const
    {
        out = std::to_chars(out, out + 24, k).ptr;
        out = writeMiddle(out);
        const std::int64_t product = number_ * k;
        if (product < 1'000'000'000'000'000 && product > -1'000'000'000'000'000)
            return std::to_chars(out, out + 24, product).ptr;
        const std::string big = numberToText(product);
        return std::copy(big.begin(), big.end(), out);
    }

    // Writes " x number = " at `out`, which has room for 24 characters.
    char* writeMiddle(char* out) const
    {
        std::memcpy(out, middle_, sizeof middle_);  // fixed size: a few moves, no call
        return out + middleSize_;
    }

private:
    std::int64_t number_;
    char middle_[24] = {};  // " x number = "
    std::size_t middleSize_;
};

// Writes the line of every shown k to `sink`, a callable taking a
// std::string_view and returning false to stop. Returns false when the sink
// stopped the run.
template <class Sink>
bool writeMultiples(std::int64_t number, const Multipliers& k, Sink&& sink)
{
    const MultipleLines lines(number);
    char line[MultipleLines::kMaxLine];
    const std::int64_t count = k.count();
    for (std::int64_t i = 0; i < count; ++i) {
        const char* end = lines.write(line, k.first + i * k.step);
        if (!sink(std::string_view(line, static_cast<std::size_t>(end - line))))
            return false;
    }
    return true;
}

}  // namespace tavrel
