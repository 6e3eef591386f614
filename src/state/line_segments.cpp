// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/line_segments.h"

namespace tavrel {

void TextLines::append(std::string_view text)
{
    chars_.append(text);
    ends_.push_back(chars_.size());
}

void TextLines::erase(std::size_t i)
{
    const std::size_t start = startOf(i);
    const std::size_t length = ends_[i] - start;
    chars_.erase(start, length);
    ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(i));
    for (std::size_t k = i; k < ends_.size(); ++k)
        ends_[k] -= length;
}

std::size_t lineCount(const Segment& segment)
{
    if (const auto* run = std::get_if<MultiplesRun>(&segment))
        return static_cast<std::size_t>(run->count);
    return std::get<TextLines>(segment).count();
}

std::string lineText(const Segment& segment, std::size_t i)
{
    std::string text;
    forEachLineOf(segment, i, [&text](std::string_view line) {
        text = line;
        return false;  // the one line asked for
    });
    return text;
}

std::optional<MultiplesRun> eraseLine(Segment& segment, std::size_t i)
{
    auto* run = std::get_if<MultiplesRun>(&segment);
    if (!run) {
        std::get<TextLines>(segment).erase(i);
        return std::nullopt;
    }
    const auto at = static_cast<std::int64_t>(i);
    if (at == 0) {
        run->first += run->step;
        --run->count;
        return std::nullopt;
    }
    const MultiplesRun after{run->number, run->multiplier(at + 1), run->step, run->count - at - 1};
    run->count = at;
    if (after.count == 0)
        return std::nullopt;
    return after;
}

}  // namespace tavrel
