#include "modes/find_multiples.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstdint>
#include <string>

#include "modes/error_report.h"
#include "modes/number_reading.h"
#include "modes/number_text.h"

namespace tavrel {
namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return -floorDiv(-a, b); }

int digitCount(std::int64_t v)
{
    int n = v < 0 ? 2 : 1;
    for (std::uint64_t u = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
         u >= 10; u /= 10)
        ++n;
    return n;
}

// The multipliers whose line is shown: every MRatio-th k from first to last.
struct Multipliers {
    std::int64_t first = 1;
    std::int64_t last = 0;  // last < first: none
    std::int64_t step = 1;
    std::int64_t count() const { return last < first ? 0 : (last - first) / step + 1; }
};

// Works out directly which k put a*k inside the range, instead of visiting
// every k: a filtered run over two billion multipliers stays instant.
Multipliers shownMultipliers(std::int64_t a, std::int64_t limit, const WindowVariables& vars)
{
    Multipliers m;
    m.step = vars.MRatio;
    m.first = vars.MRatio;
    m.last = limit;
    if (!vars.rangeInForce())
        return m;
    const std::int64_t lower = vars.LRange;
    const std::int64_t upper = vars.URange;
    std::int64_t kLow;
    std::int64_t kHigh;
    if (lower > upper) {
        return Multipliers{1, 0, 1};
    } else if (a == 0) {
        if (lower > 0 || upper < 0)
            return Multipliers{1, 0, 1};
        kLow = m.first;
        kHigh = m.last;
    } else if (a > 0) {
        kLow = ceilDiv(lower, a);
        kHigh = floorDiv(upper, a);
    } else {
        kLow = ceilDiv(upper, a);
        kHigh = floorDiv(lower, a);
    }
    // Round the lower end up to the next multiple of the step.
    std::int64_t from = std::max(m.first, kLow);
    m.first = ceilDiv(from, m.step) * m.step;
    m.last = std::min(m.last, kHigh);
    return m;
}

std::optional<Failure> run(Form& form)
{
    Result<double> read = readLenient(form.Text1.text());
    if (!read)
        return read.failure();
    Result<std::int32_t> rounded = roundToInt32(*read);
    if (!rounded)
        return rounded.failure();
    const std::int64_t a = *rounded;

    form.Text1.setText("Running...");
    ResultsList& list = form.List2;
    list.clear();

    const std::int64_t limit = static_cast<std::int64_t>(form.vars.MaxMultiples) * form.vars.MRatio;
    if (limit < INT32_MIN || limit > INT32_MAX)
        return Failure::Overflow;

    // A step below 1 cannot come from the settings command; list nothing
    // rather than loop for ever.
    if (form.vars.MRatio >= 1) {
        const Multipliers k = shownMultipliers(a, limit, form.vars);
        const std::int64_t count = k.count();
        if (!list.canTake(static_cast<std::size_t>(count)))
            return Failure::ListFull;  // before filling memory, not after
        const std::int64_t biggestProduct = std::max(std::abs(a * k.first), std::abs(a * k.last));
        list.reserve(static_cast<std::size_t>(count),
                     static_cast<std::size_t>(count) *
                         static_cast<std::size_t>(digitCount(k.last) + digitCount(a) +
                                                  digitCount(biggestProduct) + 6));

        std::string aText = " x " + numberToText(a) + " = ";
        char line[96];
        for (std::int64_t i = 0; i < count; ++i) {
            const std::int64_t kk = k.first + i * k.step;
            char* p = std::to_chars(line, line + 24, kk).ptr;
            p = std::copy(aText.begin(), aText.end(), p);
            const std::int64_t product = a * kk;
            if (product < 1'000'000'000'000'000 && product > -1'000'000'000'000'000) {
                p = std::to_chars(p, line + sizeof line, product).ptr;
            } else {
                std::string big = numberToText(product);
                p = std::copy(big.begin(), big.end(), p);
            }
            if (!list.append(std::string_view(line, static_cast<std::size_t>(p - line))))
                return Failure::ListFull;
        }
    }
    form.Text1.setText(numberToText(a));
    return std::nullopt;
}

}  // namespace

void FindMultiples(Form& form)
{
    if (std::optional<Failure> failure = run(form))
        reportError(form.List2, *failure);
}

}  // namespace tavrel
