// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "arithmetic/multiples.h"

namespace tavrel {

// Writes the lines of a run of multiples one after another, as a saved file
// holds them, at a few instructions a line: the multiplier and the product
// are kept as decimal digits and advanced by adding, not converted afresh.
// Products of 10^15 and more, written in exponent form, take the slow way.
class MultiplesStream {
public:
    // Lines for k = first, first + step, ...; every k is positive.
    MultiplesStream(std::int64_t number, std::int64_t first, std::int64_t step);

    // An ending is copied as this many characters, whatever its length.
    static constexpr std::size_t kEndingRoom = 8;
    // Room a line needs at `out`, its ending included.
    static constexpr std::size_t kRoom = MultipleLines::kMaxLine + kEndingRoom + 32;

    // Writes the current line and `ending` at `out`, moves to the next k and
    // returns where the line ends. Copies are of fixed size, so `out` must
    // have kRoom characters of room, and `ending` kEndingRoom characters
    // (of which the first `endingSize` are the ending).
    char* writeNext(char* out, const char* ending, std::size_t endingSize);

private:
    static constexpr int kDigits = 24;  // a digit field; numbers end at its last place
    struct Decimal {
        char digits[2 * kDigits];  // the number's digits end at digits[kDigits - 1]
        int length;
        void set(std::uint64_t value);
        void add(const Decimal& other);
        const char* begin() const { return digits + kDigits - length; }
    };

    MultipleLines slow_;
    std::int64_t k_;
    std::int64_t step_;
    std::int64_t product_;
    std::int64_t productStep_;
    bool negative_;
    Decimal k10_;
    Decimal step10_;
    Decimal product10_;  // the product's magnitude
    Decimal productStep10_;
};

}  // namespace tavrel
