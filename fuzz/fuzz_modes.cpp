// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes every mode that can be chosen through the Enter and OK dispatch, with
// any input text, any settings (the multiples capped so a run stays small),
// any range and any list lines, interleaved with the list's own edits.
//
// Find Factors, Find Multiples and Square Roots are checked line for line
// against plain reference versions written straight from their rules; Find
// GCD/HCF against the properties of its answer. The list's compact storage
// is checked against a vector of strings after every edit.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/input_dispatch.h"
#include "support/fake_window.h"
#include "modes/error_report.h"
#include "modes/mode_table.h"
#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"

using namespace tavrel;

namespace {

using Lines = std::vector<std::string>;

[[noreturn]] void fail(const char* what, const std::string& detail = {})
{
    std::fprintf(stderr, "invariant broken: %s %s\n", what, detail.c_str());
    std::abort();
}

Lines linesOf(const ResultsList& list)
{
    Lines out;
    for (std::size_t i = 0; i < list.count(); ++i)
        out.emplace_back(list.line(static_cast<std::ptrdiff_t>(i)));
    return out;
}

Lines errorLines(Failure failure) { return {std::string(kErrorMarker), std::string(describe(failure))}; }

std::string text(std::int64_t v) { return numberToText(v); }

// What a mode leaves behind: the list and the input box (nullopt: the box
// keeps whatever it held).
struct Outcome {
    Lines lines;
    std::optional<std::string> box;
};

std::optional<Outcome> referenceFactors(const std::string& input, const Lines& before, const Settings& settings)
{
    Result<double> read = readLenient(input);
    Result<std::int32_t> n32 = read ? floorToInt32(*read) : Result<std::int32_t>(read.failure());
    if (!n32)
        return Outcome{errorLines(n32.failure()), std::nullopt};
    const std::int64_t n = *n32;
    if (n == 0)
        return Outcome{before, "No solution"};
    if (n < 0)
        return Outcome{errorLines(Failure::InvalidArgument), "Running..."};
    Lines lines;
    const bool ranged = settings.range.inForce();
    if (!ranged || (settings.range.low <= 1 && settings.range.high >= 1))
        lines.push_back("1 x " + text(n));
    const std::string digits = text(n);
    const bool odd = (digits.back() - '0') % 2 == 1;
    std::int64_t listed = n == 1 ? 1 : 2;
    std::int64_t divisors = listed;
    for (std::int64_t i = odd ? 3 : 2; i * i <= n; ++i) {
        if (n % i != 0)
            continue;
        const int d = i * i == n ? 1 : 2;
        divisors += d;
        if (!ranged || settings.range.contains(i) || settings.range.contains(n / i)) {
            lines.push_back(text(i) + " x " + text(n / i));
            listed += d;
        }
    }
    const bool palindrome = std::equal(digits.begin(), digits.end(), digits.rbegin());
    for (const std::string& line :
         {std::string("Total Number of Factors"), "= " + text(listed), std::string("Summary:"),
          std::string(divisors == 2 ? "It is a prime" : "It is NOT a prime"),
          std::string(palindrome ? "It is a palindrome" : "It is not a palindrome"),
          std::string(odd ? "It is an ODD number" : "It is an EVEN number")})
        lines.push_back(line);
    return Outcome{lines, digits};
}

Outcome referenceMultiples(const std::string& input, const Settings& settings)
{
    Result<double> read = readLenient(input);
    Result<std::int32_t> a32 = read ? roundToInt32(*read) : Result<std::int32_t>(read.failure());
    if (!a32)
        return Outcome{errorLines(a32.failure()), std::nullopt};
    const std::int64_t a = *a32;
    const std::int64_t limit = std::int64_t{settings.multiples.count} * settings.multiples.multiplier;
    if (limit > INT32_MAX)
        return Outcome{errorLines(Failure::Overflow), "Running..."};
    Lines lines;
    for (std::int64_t k = settings.multiples.multiplier; k <= limit; k += settings.multiples.multiplier) {
        if (settings.range.inForce() && !settings.range.contains(a * k))
            continue;
        lines.push_back(text(k) + " x " + text(a) + " = " + text(a * k));
    }
    return Outcome{lines, text(a)};
}

Outcome referenceSquareRoots(const std::string& input)
{
    Result<double> read = readLenient(input);
    if (!read)
        return Outcome{errorLines(read.failure()), std::nullopt};
    const double n = std::floor(*read);
    const std::string box = numberToText(n);
    if (n < 0)
        return Outcome{errorLines(Failure::InvalidArgument), box};
    for (double i = std::floor(std::sqrt(n)); i >= 2; --i) {
        if (i * i > 2147483647.0 || n > 2147483647.0)
            return Outcome{errorLines(Failure::Overflow), box};
        const std::int64_t s = static_cast<std::int64_t>(i * i);
        const std::int64_t whole = static_cast<std::int64_t>(n);
        if (whole % s != 0)
            continue;
        Lines lines{"Square root of " + box + " is:"};
        lines.push_back(whole / s == 1 ? text(static_cast<std::int64_t>(i))
                                       : text(static_cast<std::int64_t>(i)) + " x Square root of " + text(whole / s));
        return Outcome{lines, box};
    }
    return Outcome{{"Cannot do."}, box};
}

// Find GCD/HCF keeps the list; on success the box holds the largest j of 2
// or more that divides every line, or "No solution" when there is none. A
// failure leaves "Running..." in the box.
void checkGcd(const Lines& before, const Lines& after, const std::string& box, int messages)
{
    if (box == "Running...") {
        if (after.size() != 2 || after[0] != kErrorMarker || messages != 0)
            fail("GCD error report malformed");
        return;
    }
    if (after != before)
        fail("GCD changed the list");
    std::vector<int> values;
    for (const std::string& line : before) {
        Result<double> value = readLenient(line);
        Result<std::int16_t> whole = value ? roundToInt16(*value) : Result<std::int16_t>(Failure::Overflow);
        if (!whole)
            fail("GCD ran over a line beyond 16 bits", line);
        values.push_back(*whole);
    }
    if (values.empty())
        fail("GCD succeeded on an empty list");
    const int m = *std::min_element(values.begin(), values.end());
    auto dividesAll = [&](int j) {
        return std::all_of(values.begin(), values.end(), [j](int v) { return v % j == 0; });
    };
    const int found = box == "No solution" ? 1 : std::atoi(box.c_str());
    const int lowest = found + 1;
    for (int j = m; j >= lowest; --j)
        if (dividesAll(j))
            fail("GCD missed a larger common divisor", std::to_string(j));
    if (box == "No solution") {
        if (messages != 0)
            fail("GCD: message box without a result");
        return;
    }
    if (messages != 1 || box != text(std::int64_t{found}) || found < 2 || !dividesAll(found))
        fail("GCD result wrong", box);
}

void expectOutcome(const Outcome& want, const Lines& got, const std::string& boxBefore, const std::string& boxAfter,
                   const char* mode)
{
    if (got != want.lines)
        fail("lines differ from the reference in", mode);
    if (boxAfter != want.box.value_or(boxBefore))
        fail("input box differs from the reference in", std::string(mode) + ": " + boxAfter);
}

// A mode the user could choose, taken from the table of modes, so that a new
// mode is fuzzed as soon as it has its row.
Mode pickMode(FuzzedDataProvider& fdp)
{
    static const std::vector<Mode> selectable = [] {
        std::vector<Mode> modes;
        for (const ModeRow& row : kModeTable)
            if (isSelectable(row.mode))
                modes.push_back(row.mode);
        return modes;
    }();
    return selectable[fdp.ConsumeIntegralInRange<std::size_t>(0, selectable.size() - 1)];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider fdp(data, size);
    testing::FakeWindow fake;
    fake.dialogs.answerAnything = true;
    ResultsList& list = fake.list;
    PlainInputBox& input = fake.input;
    Settings& settings = fake.settings;
    testing::ScriptedDialogs& dialogs = fake.dialogs;

    // Small runs keep executions fast; the range and overflow logic does not
    // depend on the count beyond a few lines.
    settings.multiples.count = fdp.ConsumeIntegralInRange<std::int32_t>(1, 256);
    settings.multiples.multiplier = fdp.ConsumeBool() ? fdp.ConsumeIntegralInRange<std::int32_t>(1, 1000)
                                                      : fdp.ConsumeIntegralInRange<std::int32_t>(1, INT32_MAX);
    if (fdp.ConsumeBool()) {
        settings.range.low = fdp.ConsumeIntegral<std::int32_t>();
        settings.range.high = fdp.ConsumeIntegral<std::int32_t>();
    }
    settings.mode = pickMode(fdp);

    Lines mirror;
    for (int n = fdp.ConsumeIntegralInRange(0, 8); n > 0; --n) {
        std::string line = fdp.ConsumeRandomLengthString(40);
        if (!list.append(line))
            fail("a short list refused a line");
        mirror.push_back(line);
    }

    for (int step = 0; step < 6 && fdp.remaining_bytes() > 0; ++step) {
        const int action = fdp.ConsumeIntegralInRange(0, 6);
        if (action <= 2) {
            const bool enter = action != 2;
            const std::string typed = fdp.ConsumeRandomLengthString(40);
            input.setText(typed);
            const std::size_t shownBefore = dialogs.calls.size();
            Lines before = linesOf(list);
            if (enter && !before.empty() && before[0] == kErrorMarker)
                before.clear();
            if (enter)
                pressEnter(fake.context);
            else
                pressOk(fake.context);
            const Lines after = linesOf(list);
            switch (settings.mode) {
            case Mode::Factors:
                expectOutcome(*referenceFactors(typed, before, settings), after, typed, input.text(), "Find Factors");
                break;
            case Mode::Multiples:
                expectOutcome(referenceMultiples(typed, settings), after, typed, input.text(), "Find Multiples");
                break;
            case Mode::SquareRoots:
                expectOutcome(referenceSquareRoots(typed), after, typed, input.text(), "Square Roots");
                break;
            case Mode::GcdHcf:
                if (enter) {
                    Result<double> read = readLenient(typed);
                    Lines want = before;
                    if (read)
                        want.push_back(numberToText(std::floor(*read)));
                    if (after != want || input.text() != (read ? "" : typed))
                        fail("collecting a number went wrong", typed);
                } else {
                    checkGcd(before, after, input.text(), static_cast<int>(dialogs.calls.size() - shownBefore));
                }
                break;
            case Mode::Lcm:
                // Cannot be chosen. A mode that can needs its reference here;
                // -Wswitch names a new one that has none.
                break;
            }
            mirror = after;
        } else if (action == 3) {
            settings.mode = pickMode(fdp);
        } else if (action == 4) {
            const auto index = fdp.ConsumeIntegralInRange<std::ptrdiff_t>(-1,
                                                                          static_cast<std::ptrdiff_t>(list.count()));
            list.setSelectedIndex(
                fdp.ConsumeIntegralInRange<std::ptrdiff_t>(-1, static_cast<std::ptrdiff_t>(list.count())));
            const std::ptrdiff_t selected = list.selectedIndex();
            list.remove(index);
            if (index >= 0 && static_cast<std::size_t>(index) < mirror.size())
                mirror.erase(mirror.begin() + index);
            const std::ptrdiff_t wantSelected = selected == index                ? -1
                                                : selected > index && index >= 0 ? selected - 1
                                                                                 : selected;
            if (list.selectedIndex() != wantSelected)
                fail("selection not kept across a removal");
        } else if (action == 5) {
            list.clear();
            mirror.clear();
            if (list.selectedIndex() != -1)
                fail("selection survives a clear");
        } else {
            std::string line = fdp.ConsumeRandomLengthString(40);
            if (!list.append(line))
                fail("a short list refused a line");
            mirror.push_back(line);
        }
        if (linesOf(list) != mirror)
            fail("list differs from its mirror");
        if (!list.line(static_cast<std::ptrdiff_t>(list.count())).empty() || !list.line(-1).empty())
            fail("a line where the list holds none is not empty");
    }
    return 0;
}
