// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/results_list.h"

#include <cassert>
#include <iterator>

namespace tavrel {

ResultsList::Place ResultsList::locate(std::size_t index) const
{
    std::size_t b = 0;
    while (index >= blocks_[b].lines)
        index -= blocks_[b++].lines;
    const auto& segments = blocks_[b].segments;
    std::size_t s = 0;
    for (std::size_t n; index >= (n = lineCount(segments[s])); ++s)
        index -= n;
    return {b, s, index};
}

std::string ResultsList::line(std::ptrdiff_t index) const
{
    if (!has(index))
        return {};
    const Place at = locate(static_cast<std::size_t>(index));
    return lineText(blocks_[at.block].segments[at.segment], at.offset);
}

std::size_t ResultsList::appendLines(std::size_t first, std::string& out, std::size_t budget,
                                     std::string_view ending) const
{
    std::size_t appended = 0;
    forEachSegment(first, [&](const Segment& segment, std::size_t offset) {
        appended += tavrel::appendLines(segment, offset, out, budget, ending);
        return out.size() < budget;
    });
    return appended;
}

std::vector<std::string> ResultsList::widthSamples() const
{
    std::vector<std::string> samples;
    std::string longestOfRuns;
    for (const Block& block : blocks_) {
        for (const Segment& segment : block.segments) {
            if (const auto* run = std::get_if<MultiplesRun>(&segment)) {
                if (std::string line = longestLineOf(*run); line.size() > longestOfRuns.size())
                    longestOfRuns = std::move(line);
            } else {
                forEachLineOf(segment, 0, [&samples](std::string_view line) {
                    samples.emplace_back(line);
                    return true;
                });
            }
        }
    }
    if (!longestOfRuns.empty())
        samples.push_back(std::move(longestOfRuns));
    return samples;
}

Segment& ResultsList::lastSegmentFor(bool text)
{
    if (text && !blocks_.empty() && std::holds_alternative<TextLines>(blocks_.back().segments.back()))
        return blocks_.back().segments.back();
    if (blocks_.empty() || blocks_.back().segments.size() >= kBlockSegments)
        blocks_.emplace_back();
    auto& segments = blocks_.back().segments;
    if (text)
        return segments.emplace_back(TextLines{});
    return segments.emplace_back(MultiplesRun{});
}

bool ResultsList::append(std::string_view text)
{
    if (!canTake(1))
        return false;
    std::get<TextLines>(lastSegmentFor(true)).append(text);
    appended(1);
    return true;
}

bool ResultsList::append(const MultiplesRun& run)
{
    if (run.count < 0 || !canTake(static_cast<std::size_t>(run.count)))
        return false;
    if (run.count == 0)
        return true;
    lastSegmentFor(false) = run;
    appended(static_cast<std::size_t>(run.count));
    return true;
}

void ResultsList::appended(std::size_t lines)
{
    blocks_.back().lines += lines;
    count_ += lines;
    if (batchDepth_ > 0)
        changedInBatch_ = true;
    else if (observer_)
        observer_->linesAppended(count_ - lines, count_ - 1);
}

void ResultsList::clear()
{
    std::vector<Block>().swap(blocks_);  // a huge text list gives its memory back
    count_ = 0;
    selected_ = -1;
    notifyReset();
}

void ResultsList::remove(std::ptrdiff_t index)
{
    if (!has(index))
        return;
    if (batchDepth_ == 0 && observer_)
        observer_->lineAboutToBeRemoved(static_cast<std::size_t>(index));
    const Place at = locate(static_cast<std::size_t>(index));
    Block& block = blocks_[at.block];
    auto segment = block.segments.begin() + static_cast<std::ptrdiff_t>(at.segment);
    if (std::optional<MultiplesRun> after = eraseLine(*segment, at.offset)) {
        block.segments.insert(std::next(segment), *after);
        splitBlockIfFull(at.block);
    } else if (lineCount(*segment) == 0) {
        block.segments.erase(segment);
    }
    if (--blocks_[at.block].lines == 0)
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(at.block));
    --count_;

    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
    if (batchDepth_ > 0)
        changedInBatch_ = true;
    else if (observer_)
        observer_->lineRemoved(static_cast<std::size_t>(index));
}

void ResultsList::splitBlockIfFull(std::size_t b)
{
    if (blocks_[b].segments.size() < 2 * kBlockSegments)
        return;
    Block second;
    auto& first = blocks_[b].segments;
    const auto middle = first.begin() + static_cast<std::ptrdiff_t>(kBlockSegments);
    second.segments.assign(std::make_move_iterator(middle), std::make_move_iterator(first.end()));
    first.erase(middle, first.end());
    for (const Segment& s : second.segments)
        second.lines += lineCount(s);
    blocks_[b].lines -= second.lines;
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::move(second));
}

void ResultsList::setSelectedIndex(std::ptrdiff_t index) { selected_ = has(index) ? index : -1; }

void ResultsList::setObserver(ResultsListObserver* observer)
{
    // A second observer would silently take the first one's place.
    assert(observer == nullptr || observer_ == nullptr);
    observer_ = observer;
}

void ResultsList::notifyReset()
{
    if (batchDepth_ > 0)
        changedInBatch_ = true;
    else if (observer_)
        observer_->listReset();
}

ResultsList::Batch::~Batch()
{
    if (--list_.batchDepth_ == 0 && list_.changedInBatch_) {
        list_.changedInBatch_ = false;
        if (list_.observer_)
            list_.observer_->listReset();
    }
}

}  // namespace tavrel
