// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/multiples_stream.h"

#include <algorithm>

namespace tavrel {
namespace {

constexpr std::int64_t kPlainLimit = 1'000'000'000'000'000;  // from here on the exponent form

std::uint64_t magnitude(std::int64_t v)
{
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

}  // namespace

void MultiplesStream::Decimal::set(std::uint64_t value)
{
    std::fill(digits, digits + sizeof digits, '0');
    length = 0;
    do {
        digits[kDigits - 1 - length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
}

void MultiplesStream::Decimal::add(const Decimal& other)
{
    // Digits stay characters: '0' + '0' + a carry past '9' is a ten.
    char* const last = digits + kDigits - 1;
    const char* const otherLast = other.digits + kDigits - 1;
    bool carry = false;
    int i = 0;
    for (; i < other.length; ++i) {
        const int sum = last[-i] + otherLast[-i] - '0' + carry;
        carry = sum > '9';
        last[-i] = static_cast<char>(carry ? sum - 10 : sum);
    }
    for (; carry; ++i) {
        carry = last[-i] == '9';
        last[-i] = carry ? '0' : static_cast<char>(last[-i] + 1);
    }
    length = std::max(length, i);
}

MultiplesStream::MultiplesStream(std::int64_t number, std::int64_t first, std::int64_t step)
    : slow_(number),
      k_(first),
      step_(step),
      product_(number * first),
      productStep_(number * step),
      negative_(number < 0)
{
    k10_.set(static_cast<std::uint64_t>(first));
    step10_.set(static_cast<std::uint64_t>(step));
    product10_.set(magnitude(product_));
    productStep10_.set(magnitude(productStep_));
}

char* MultiplesStream::writeNext(char* out, const char* ending, std::size_t endingSize)
{
    if (product_ >= kPlainLimit || product_ <= -kPlainLimit) {
        out = slow_.write(out, k_);
    } else {
        // Fixed-size copies: a few moves each, where a copy of the exact
        // length would be a call. What lies past the line is overwritten next.
        std::memcpy(out, k10_.begin(), kDigits);
        out += k10_.length;
        out = slow_.writeMiddle(out);
        *out = '-';
        out += negative_ && product_ != 0;
        std::memcpy(out, product10_.begin(), kDigits);
        out += product10_.length;
        product10_.add(productStep10_);
    }
    std::memcpy(out, ending, kEndingRoom);
    out += endingSize;
    k10_.add(step10_);
    k_ += step_;
    product_ += productStep_;
    return out;
}

}  // namespace tavrel
