// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/number_reading.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace tavrel {
namespace {

bool isSkippedBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal digits kept for the conversion. A double's halfway points have at
// most 767 significant digits, so beyond these only "any non-zero digit
// dropped?" can still change the result.
constexpr std::size_t kSignificantDigitsKept = 800;
// Exponents are saturated here. The bound lies far beyond the length of any
// text, so that a written exponent still cancels the shift of a megabyte of
// leading or dropped digits ("0.000...1e1048576"), and far enough below the
// 64-bit limit that the sums cannot overflow.
constexpr std::int64_t kExponentClamp = 1'000'000'000'000'000;

// A decimal number taken apart, so that it can be rebuilt without a decimal
// point: strtod then behaves the same under every locale.
struct DecimalParts {
    bool negative = false;
    std::string digits;         // significant digits, no leading zeros
    std::int64_t exponent = 0;  // value = digits * 10^exponent
    bool sawDigit = false;
    bool droppedNonZero = false;  // a non-zero digit beyond the kept ones
};

Result<double> toDouble(const DecimalParts& parts)
{
    if (parts.digits.empty())
        return parts.negative ? -0.0 : 0.0;
    std::string text = parts.negative ? "-" : "";
    text += parts.digits;
    std::int64_t exponent = parts.exponent;
    if (parts.droppedNonZero) {
        // The dropped digits only matter as "a little more than the kept
        // ones", which decides a value that sits exactly halfway between two
        // doubles; one more non-zero digit says just that.
        text += '1';
        --exponent;
    }
    text += 'e';
    text += std::to_string(exponent);
    const double value = std::strtod(text.c_str(), nullptr);
    if (std::isinf(value))
        return Failure::Overflow;
    return value;  // an underflow gives 0 or a tiny value, which is no failure
}

// Shared reader of sign, mantissa and exponent. `skip` tells which characters
// may stand between the parts (lenient skips blanks anywhere, strict none).
template <class Skip>
std::size_t readDecimal(std::string_view s, std::size_t i, DecimalParts& out, Skip skip)
{
    auto skipAll = [&] {
        while (i < s.size() && skip(s[i]))
            ++i;
    };
    skipAll();
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        out.negative = s[i] == '-';
        ++i;
    }
    bool seenPoint = false;
    std::size_t dropped = 0;  // integer digits not kept, each raising the exponent
    for (;; ++i) {
        skipAll();
        if (i >= s.size())
            break;
        char c = s[i];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (!isDigit(c))
            break;
        out.sawDigit = true;
        if (out.digits.empty() && c == '0') {
            if (seenPoint)
                --out.exponent;
            continue;
        }
        if (out.digits.size() < kSignificantDigitsKept) {
            out.digits += c;
            if (seenPoint)
                --out.exponent;
        } else {
            if (!seenPoint)
                ++dropped;
            if (c != '0')
                out.droppedNonZero = true;
        }
    }
    out.exponent += static_cast<std::int64_t>(std::min<std::size_t>(dropped, kExponentClamp));
    if (!out.sawDigit)
        return i;

    // Exponent: E or e, optional sign, digits. Without digits it is ignored.
    std::size_t mark = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        skipAll();
        bool negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negative = s[i] == '-';
            ++i;
        }
        std::int64_t exponent = 0;
        bool any = false;
        for (;; ++i) {
            skipAll();
            if (i >= s.size() || !isDigit(s[i]))
                break;
            any = true;
            exponent = std::min<std::int64_t>(exponent * 10 + (s[i] - '0'), kExponentClamp);
        }
        if (any)
            out.exponent += negative ? -exponent : exponent;
        else
            i = mark;
    }
    return i;
}

Result<double> readRadix(std::string_view s, std::size_t i, int radix)
{
    double value = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (isSkippedBlank(c))
            continue;
        int digit;
        if (isDigit(c))
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        if (digit >= radix)
            break;
        value = value * radix + digit;
        if (std::isinf(value))
            return Failure::Overflow;
    }
    return value;
}

}  // namespace

Result<double> readLenient(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isSkippedBlank(text[i]))
        ++i;
    if (i + 1 < text.size() && text[i] == '&') {
        char kind = text[i + 1];
        if (kind == 'H' || kind == 'h')
            return readRadix(text, i + 2, 16);
        if (kind == 'O' || kind == 'o')
            return readRadix(text, i + 2, 8);
    }
    DecimalParts parts;
    readDecimal(text, i, parts, isSkippedBlank);
    if (!parts.sawDigit)
        return 0.0;
    return toDouble(parts);
}

Result<double> readStrict(std::string_view text)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    std::string_view core = text.substr(first, last - first);
    DecimalParts parts;
    std::size_t end = readDecimal(core, 0, parts, [](char) { return false; });
    if (!parts.sawDigit || end != core.size())
        return Failure::TypeMismatch;
    return toDouble(parts);
}

Result<std::int32_t> floorToInt32(double value)
{
    double floored = std::floor(value);
    if (!(floored >= -2147483648.0 && floored <= 2147483647.0))
        return Failure::Overflow;
    return static_cast<std::int32_t>(floored);
}

namespace {
double roundHalfEven(double value)
{
    double floored = std::floor(value);
    double fraction = value - floored;
    if (fraction > 0.5)
        return floored + 1;
    if (fraction < 0.5)
        return floored;
    return std::fmod(floored, 2.0) == 0 ? floored : floored + 1;
}
}  // namespace

Result<std::int32_t> roundToInt32(double value)
{
    double rounded = roundHalfEven(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        return Failure::Overflow;
    return static_cast<std::int32_t>(rounded);
}

Result<std::int16_t> roundToInt16(double value)
{
    double rounded = roundHalfEven(value);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        return Failure::Overflow;
    return static_cast<std::int16_t>(rounded);
}

namespace {

template <class Read, class Convert>
Result<std::int32_t> readThen(std::string_view text, Read read, Convert convert)
{
    Result<double> value = read(text);
    if (!value)
        return value.failure();
    return convert(*value);
}

}  // namespace

Result<std::int32_t> readLenientFloor(std::string_view text) { return readThen(text, readLenient, floorToInt32); }
Result<std::int32_t> readLenientRound(std::string_view text) { return readThen(text, readLenient, roundToInt32); }
Result<std::int32_t> readStrictFloor(std::string_view text) { return readThen(text, readStrict, floorToInt32); }

}  // namespace tavrel
