// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/line_segments.h"

#include <algorithm>

#include "arithmetic/multiples_stream.h"
#include "arithmetic/number_text.h"

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

std::size_t appendLines(const Segment& segment, std::size_t from, std::string& out, std::size_t budget,
                        std::string_view ending)
{
    const auto* run = std::get_if<MultiplesRun>(&segment);
    if (!run) {
        const auto& text = std::get<TextLines>(segment);
        std::size_t i = from;
        for (; i < text.count() && out.size() < budget; ++i) {
            out += text.line(i);
            out += ending;
        }
        return i - from;
    }
    // Lines of a run are written straight into the buffer, grown a chunk at a time.
    char paddedEnding[MultiplesStream::kEndingRoom] = {};
    if (ending.size() > sizeof paddedEnding)
        return 0;
    std::copy(ending.begin(), ending.end(), paddedEnding);
    auto i = static_cast<std::int64_t>(from);
    MultiplesStream lines(run->number, run->multiplier(i), run->step);
    std::size_t used = out.size();
    while (i < run->count && used < budget) {
        const std::size_t chunk = std::min<std::size_t>(budget - used, 1 << 16);
        out.resize(used + chunk + MultiplesStream::kRoom);
        char* const base = out.data();
        char* p = base + used;
        char* const stop = p + chunk;
        for (; i < run->count && p < stop; ++i)
            p = lines.writeNext(p, paddedEnding, ending.size());
        used = static_cast<std::size_t>(p - base);
    }
    out.resize(used);
    return static_cast<std::size_t>(i) - from;
}

std::string longestLineOf(const MultiplesRun& run)
{
    if (run.count <= 0)
        return {};
    // Products grow in size along a run, but the exponent form of a round
    // one is short: take its longest form when the run reaches it.
    const std::int64_t last = run.multiplier(run.count - 1);
    const std::int64_t largest = run.number * last;
    const bool exponent = largest >= 1'000'000'000'000'000 || largest <= -1'000'000'000'000'000;
    const std::string product = exponent ? std::string(largest < 0 ? "-" : "") + "8.88888888888888E+18"
                                         : numberToText(largest);
    return numberToText(last) + " x " + numberToText(run.number) + " = " + product;
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
