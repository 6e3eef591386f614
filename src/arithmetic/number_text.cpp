// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tavrel {
namespace {

constexpr double kPlainLimit = 1e15;

std::string exponentForm(double value)
{
    // 15 significant digits: one before the point, fourteen after.
    char buffer[64];
    std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string text(buffer, r.ptr);
    std::size_t e = text.find('e');
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    char sign = exponent[0] == '-' ? '-' : '+';
    std::string digits = exponent.substr(exponent[0] == '-' || exponent[0] == '+' ? 1 : 0);
    while (digits.size() > 2 && digits[0] == '0')
        digits.erase(0, 1);
    // Pad as a count of characters: GCC 12 at -O3 mistakes insert(0, "0")
    // for an overlapping copy and warns (-Wrestrict).
    if (digits.size() < 2)
        digits.insert(digits.begin(), 2 - digits.size(), '0');
    return mantissa + "E" + sign + digits;
}

}  // namespace

void appendNumber(std::string& out, std::int64_t value)
{
    if (value >= static_cast<std::int64_t>(kPlainLimit) || value <= -static_cast<std::int64_t>(kPlainLimit)) {
        out += exponentForm(static_cast<double>(value));
        return;
    }
    char buffer[24];
    std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, r.ptr);
}

std::string numberToText(std::int64_t value)
{
    std::string out;
    appendNumber(out, value);
    return out;
}

std::string numberToText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (std::fabs(value) >= kPlainLimit)
        return exponentForm(value);
    if (value == std::floor(value))
        return numberToText(static_cast<std::int64_t>(value));
    // Fractions never reach a list line today; keep them readable all the same.
    char buffer[64];
    std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, r.ptr);
}

}  // namespace tavrel
