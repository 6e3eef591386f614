#include "modes/find_factors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "modes/error_report.h"
#include "modes/number_reading.h"
#include "modes/number_text.h"

namespace tavrel {
namespace {

bool inRange(std::int64_t value, const WindowVariables& vars)
{
    return vars.LRange <= value && value <= vars.URange;
}

bool isPalindrome(const std::string& digits)
{
    return std::equal(digits.begin(), digits.begin() + digits.size() / 2, digits.rbegin());
}

std::string pairLine(std::int64_t small, std::int64_t large)
{
    std::string line;
    appendNumber(line, small);
    line += " x ";
    appendNumber(line, large);
    return line;
}

std::optional<Failure> run(Form& form)
{
    Result<double> read = readLenient(form.Text1.text());
    if (!read)
        return read.failure();
    Result<std::int32_t> floored = floorToInt32(*read);
    if (!floored)
        return floored.failure();
    const std::int32_t n = *floored;

    form.Text1.setText("Running...");
    if (n == 0) {
        form.dialogs.messageBox("Not in the valid range!", Buttons::Ok, Icon::Information, "Error!");
        form.Text1.setText("No solution");
        return std::nullopt;
    }

    ResultsList& list = form.List2;
    const WindowVariables& vars = form.vars;
    const bool ranged = vars.rangeInForce();
    list.clear();
    if (!ranged || (vars.LRange <= 1 && vars.URange >= 1))
        list.append(pairLine(1, n));

    const std::string digits = numberToText(static_cast<std::int64_t>(n));
    const bool odd = (digits.back() - '0') % 2 == 1;
    const std::int64_t start = odd ? 3 : 2;

    if (n < 0)
        return Failure::InvalidArgument;  // no square root of a negative number
    const double r = std::sqrt(static_cast<double>(n));

    // 1 and n are two factors, except for 1 itself, which has just the one.
    const int base = n == 1 ? 1 : 2;
    std::int64_t listed = base;
    std::int64_t divisors = base;
    // The trial loop divides in unsigned 32 bits: n is positive here, and a
    // 64-bit division costs several times as much on common processors, which
    // is most of a run for a large prime.
    const auto whole = static_cast<std::uint32_t>(n);
    const auto last = static_cast<std::uint32_t>(r);  // i <= r for whole i
    for (std::int64_t i = start; i <= last; ++i) {
        if (whole % static_cast<std::uint32_t>(i) != 0)
            continue;
        const int d = i * i == n ? 1 : 2;
        divisors += d;
        const std::int64_t q = n / i;
        if (!ranged || inRange(i, vars) || inRange(q, vars)) {
            if (!list.append(pairLine(i, q)))
                return Failure::ListFull;
            listed += d;
        }
    }

    std::string count = "= ";
    appendNumber(count, listed);
    for (std::string_view line : {std::string_view("Total Number of Factors"), std::string_view(count),
                                  std::string_view("Summary:"),
                                  std::string_view(divisors == 2 ? "It is a prime" : "It is NOT a prime"),
                                  std::string_view(isPalindrome(digits) ? "It is a palindrome"
                                                                        : "It is not a palindrome"),
                                  std::string_view(odd ? "It is an ODD number" : "It is an EVEN number")}) {
        if (!list.append(line))
            return Failure::ListFull;
    }
    form.Text1.setText(digits);
    return std::nullopt;
}

}  // namespace

void FindFactors(Form& form)
{
    if (std::optional<Failure> failure = run(form))
        reportError(form.List2, *failure);
}

}  // namespace tavrel
