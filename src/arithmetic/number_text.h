// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// Writes a number the way every list line, input box and message shows it:
// plain decimal digits below 10^15 in magnitude, from there 15 significant
// digits in exponent form ("1E+15", "2.147483647E+15").
std::string numberToText(double value);
std::string numberToText(std::int64_t value);

// Appends the text of `value` to `out`; the fast path for whole numbers.
void appendNumber(std::string& out, std::int64_t value);

}  // namespace tavrel
