// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "arithmetic/multiples.h"

namespace tavrel {

// Lines whose text a mode wrote out: one buffer and an end offset each.
class TextLines {
public:
    std::size_t count() const { return ends_.size(); }
    std::string_view line(std::size_t i) const { return {chars_.data() + startOf(i), ends_[i] - startOf(i)}; }
    void append(std::string_view text);
    void erase(std::size_t i);

private:
    std::size_t startOf(std::size_t i) const { return i == 0 ? 0 : ends_[i - 1]; }

    std::string chars_;
    std::vector<std::size_t> ends_;
};

// A run of multiples, held as what it is: the lines "k x number = product"
// for k = first, first + step, ... (count of them). Its text is made only
// when a line is asked for, so two billion lines cost a few bytes.
struct MultiplesRun {
    std::int64_t number = 0;
    std::int64_t first = 1;
    std::int64_t step = 1;
    std::int64_t count = 0;

    std::int64_t multiplier(std::int64_t i) const { return first + i * step; }
    Multipliers multipliers(std::int64_t from = 0) const { return {multiplier(from), multiplier(count - 1), step}; }
};

// One stretch of the results list.
using Segment = std::variant<TextLines, MultiplesRun>;

std::size_t lineCount(const Segment& segment);
std::string lineText(const Segment& segment, std::size_t i);

// Hands the lines from `from` on to `sink` (a callable taking a
// std::string_view, returning false to stop). Returns false when it stopped.
template <class Sink>
bool forEachLineOf(const Segment& segment, std::size_t from, Sink&& sink)
{
    if (const auto* run = std::get_if<MultiplesRun>(&segment))
        return writeMultiples(run->number, run->multipliers(static_cast<std::int64_t>(from)), sink);
    const auto& text = std::get<TextLines>(segment);
    for (std::size_t i = from; i < text.count(); ++i)
        if (!sink(text.line(i)))
            return false;
    return true;
}

// Appends the lines from `from` on, each followed by `ending`, to `out`
// until it holds at least `budget` bytes or the segment ends. Returns how
// many lines it appended. The fast way to write a whole list out.
std::size_t appendLines(const Segment& segment, std::size_t from, std::string& out, std::size_t budget,
                        std::string_view ending);

// A text at least as long as the longest line of a run, in characters of
// the same kinds: what a view measures to know how wide the run can get.
std::string longestLineOf(const MultiplesRun& run);

// Removes line i. A run loses its first or last line in place; a line in
// its middle splits it, and the lines after it are returned as a second
// run for the caller to place after the first.
std::optional<MultiplesRun> eraseLine(Segment& segment, std::size_t i);

}  // namespace tavrel
