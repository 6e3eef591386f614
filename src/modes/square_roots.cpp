#include "modes/square_roots.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "modes/error_report.h"
#include "modes/number_reading.h"
#include "modes/number_text.h"

namespace tavrel {
namespace {

std::optional<Failure> run(Form& form)
{
    ResultsList& list = form.List2;
    list.clear();
    Result<double> read = readLenient(form.Text1.text());
    if (!read)
        return read.failure();
    const double n = std::floor(*read);
    form.Text1.setText(numberToText(n));
    if (n < 0)
        return Failure::InvalidArgument;

    const std::string heading = "Square root of " + numberToText(n) + " is:";
    for (double i = std::floor(std::sqrt(n)); i >= 2; --i) {
        if (i * i > 2147483647.0)
            return Failure::Overflow;  // the square no longer fits 32 bits
        const std::int32_t s = static_cast<std::int32_t>(i * i);
        if (n > 2147483647.0)
            return Failure::Overflow;  // n itself no longer fits 32 bits
        const std::int32_t whole = static_cast<std::int32_t>(n);
        if (whole % s != 0)
            continue;
        list.append(heading);
        std::string answer = numberToText(i);
        if (whole / s != 1)
            answer += " x Square root of " + numberToText(std::int64_t{whole / s});
        list.append(answer);
        break;
    }
    if (list.line(0).empty())
        list.append("Cannot do.");
    return std::nullopt;
}

}  // namespace

void SquareRoots(Form& form)
{
    if (std::optional<Failure> failure = run(form))
        reportError(form.List2, *failure);
}

}  // namespace tavrel
