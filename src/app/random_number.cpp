// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/random_number.h"

#include <bit>
#include <cmath>
#include <random>

namespace tavrel {

std::int32_t randomNumber(double secondsSinceMidnight)
{
    std::mt19937_64 generator(std::bit_cast<std::uint64_t>(secondsSinceMidnight));
    const double r = std::generate_canonical<double, 64>(generator);  // [0, 1)
    const std::int32_t n = static_cast<std::int32_t>(std::floor(r * 100000000.0));
    return n > 99999999 ? 99999999 : n;  // generate_canonical may round up to 1
}

}  // namespace tavrel
