// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

#include "arithmetic/failure.h"

namespace tavrel {

// Reads the number a text begins with, ignoring whatever follows. Blanks,
// tabs and line feeds are skipped wherever they stand; "." is always the
// decimal point; "&H" and "&O" introduce hexadecimal and octal whole
// numbers. A text that does not begin with a number reads as 0. The only
// failure is a value beyond the range of a double (Overflow).
Result<double> readLenient(std::string_view text);

// The whole text must be one number: blanks around it, an optional sign,
// digits with an optional decimal part and an optional exponent. Anything
// else is a TypeMismatch; a value beyond the double range is an Overflow.
Result<double> readStrict(std::string_view text);

// Whole-number conversions; a result outside the target type is an Overflow.
Result<std::int32_t> floorToInt32(double value);
Result<std::int32_t> roundToInt32(double value);  // halves go to the even neighbour
Result<std::int16_t> roundToInt16(double value);  // halves go to the even neighbour

// A reading and a conversion in one; the first failure of the two.
Result<std::int32_t> readLenientFloor(std::string_view text);
Result<std::int32_t> readLenientRound(std::string_view text);
Result<std::int32_t> readStrictFloor(std::string_view text);

}  // namespace tavrel
