// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tavrel {

// A whole number from 0 to 99999999, drawn from a generator seeded afresh
// with the time of day (seconds since midnight, with their fraction).
std::int32_t randomNumber(double secondsSinceMidnight);

}  // namespace tavrel
