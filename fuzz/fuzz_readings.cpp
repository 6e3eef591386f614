// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the two number readings, the whole-number conversions and
// number-to-text. Besides crashes and sanitizer reports it checks the
// relations that must hold between them, and compares the lenient reading
// with a plain reference: drop every blank, then let strtod read the longest
// number at the start.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"

using namespace tavrel;

namespace {

[[noreturn]] void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "invariant broken: %s\ninput (%zu bytes): ", what, text.size());
    for (unsigned char c : text.substr(0, 200))
        std::fprintf(stderr, c >= 32 && c < 127 ? "%c" : "\\x%02x", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The decimal part of the lenient reading, written the simple way. Returns
// false for a value beyond the double range.
bool referenceDecimal(std::string_view text, double& value)
{
    std::string s;
    for (char c : text)
        if (!isBlank(c))
            s += c;
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    bool digits = false;
    while (i < s.size() && isDigit(s[i])) {
        number += s[i++];
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && isDigit(s[i])) {
            number += s[i++];
            digits = true;
        }
    }
    if (!digits) {
        value = 0;
        return true;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                exponent += s[j++];
            number += exponent;
        }
    }
    value = std::strtod(number.c_str(), nullptr);  // the fuzzer runs in the "C" locale
    return !std::isinf(value);
}

void checkConversions(double value, std::string_view text)
{
    if (Result<std::int32_t> f = floorToInt32(value)) {
        if (!(*f <= value && value < static_cast<double>(*f) + 1))
            fail("floor not the greatest whole number not above", text);
    } else if (std::floor(value) >= -2147483648.0 && std::floor(value) <= 2147483647.0) {
        fail("floor overflow inside the range", text);
    }
    if (Result<std::int32_t> r = roundToInt32(value)) {
        double distance = std::fabs(value - *r);
        if (distance > 0.5 || (distance == 0.5 && *r % 2 != 0))
            fail("32-bit rounding not nearest-even", text);
    } else if (std::fabs(value) < 2147483647.0) {
        fail("32-bit rounding overflow inside the range", text);
    }
    if (Result<std::int16_t> r = roundToInt16(value)) {
        double distance = std::fabs(value - *r);
        if (distance > 0.5 || (distance == 0.5 && *r % 2 != 0))
            fail("16-bit rounding not nearest-even", text);
    } else if (std::fabs(value) < 32767.0) {
        fail("16-bit rounding overflow inside the range", text);
    }
}

void checkNumberText(double value, std::string_view text)
{
    std::string written = numberToText(value);
    if (std::isnan(value) || std::isinf(value))
        return;
    Result<double> back = readStrict(written);
    // Fifteen digits round the doubles next to the largest one up past it
    // ("1.79769313486232E+308"): that text overflows, as it must.
    if (!back && !(back.failure() == Failure::Overflow && std::fabs(value) > 1.79769313486231e308))
        fail("number-to-text wrote what the strict reading rejects", text);
    if (!back)
        return;
    if (std::fabs(value) < 1e15 && value == std::floor(value)) {
        if (!same(*back, value == 0 ? 0.0 : value))
            fail("plain digits do not read back exactly", text);
        if (written.find_first_not_of("-0123456789") != std::string::npos)
            fail("plain digits hold something else", text);
    } else if (std::fabs(value) >= 1e15) {
        if (std::fabs(*back - value) > std::fabs(value) * 5.1e-15)
            fail("exponent form off by more than 15 digits allow", text);
        if (written.find('E') == std::string::npos)
            fail("no exponent from 10^15 up", text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);

    Result<double> lenient = readLenient(text);
    if (!lenient && lenient.failure() != Failure::Overflow)
        fail("lenient reading failed other than by overflow", text);
    if (lenient && !std::isfinite(*lenient))
        fail("lenient reading gave a value that is not finite", text);

    // The reference knows nothing of "&H"/"&O"; compare plain decimals only.
    std::size_t first = text.find_first_not_of(" \t\n");
    bool prefixed = first != std::string_view::npos && text[first] == '&';
    if (!prefixed) {
        double reference = 0;
        bool inRange = referenceDecimal(text, reference);
        if (inRange != lenient.ok())
            fail("lenient reading and reference disagree on overflow", text);
        if (inRange && !same(*lenient, reference))
            fail("lenient reading and reference disagree on the value", text);
    }

    Result<double> strict = readStrict(text);
    if (strict) {
        if (!std::isfinite(*strict))
            fail("strict reading gave a value that is not finite", text);
        // Whatever is one whole number is also the number a text begins with.
        if (!lenient || !same(*strict, *lenient))
            fail("strict and lenient readings disagree", text);
    } else if (strict.failure() == Failure::Overflow) {
        if (lenient)
            fail("strict overflow but lenient value", text);
    } else if (strict.failure() != Failure::TypeMismatch) {
        fail("strict reading failed with an unexpected kind", text);
    }

    if (lenient) {
        checkConversions(*lenient, text);
        checkNumberText(*lenient, text);
        checkNumberText(std::floor(*lenient), text);
    }

    // The raw bytes as a double and as a whole number reach corners text
    // cannot: NaN, infinities, denormals, the int64 extremes.
    if (size >= 8) {
        double raw;
        std::int64_t whole;
        std::memcpy(&raw, data, 8);
        std::memcpy(&whole, data, 8);
        checkConversions(raw, text);
        checkNumberText(raw, text);
        std::string wholeText = numberToText(whole);
        if (wholeText != numberToText(static_cast<double>(whole)) &&
            (whole >= 1'000'000'000'000'000 || whole <= -1'000'000'000'000'000))
            fail("whole and double number-to-text disagree", text);
    }
    return 0;
}
