// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/line_segments.h"

namespace tavrel {

// Told about changes so that a view can follow the list.
class ResultsListObserver {
public:
    virtual ~ResultsListObserver() = default;
    virtual void listReset() = 0;  // anything may have changed
    virtual void linesAppended(std::size_t first, std::size_t last) = 0;
    // Before and after line `index` goes: a view must hear of a removal
    // while the line is still there.
    virtual void lineAboutToBeRemoved(std::size_t) {}
    virtual void lineRemoved(std::size_t index) = 0;
};

// The main window's results list: lines in the order they were appended,
// with at most one selected line. It holds segments, not lines: text a mode
// wrote out, and runs of multiples whose lines are made when asked for, so
// a list of two billion lines costs a few bytes until it is edited.
class ResultsList {
public:
    // The most rows a view can show, and the largest count of multiples the
    // settings allow. Past it an append fails and the modes report "ERROR!".
    static constexpr std::size_t kCapacity = 2147483647;

    ResultsList() = default;
    ResultsList(const ResultsList&) = delete;
    ResultsList& operator=(const ResultsList&) = delete;

    std::size_t count() const { return count_; }
    bool empty() const { return count_ == 0; }

    // The line at `index`, or the empty text where the list holds none.
    std::string line(std::ptrdiff_t index) const;

    // Hands the lines from `first` on, in order, to `sink`: a callable taking
    // a std::string_view and returning false to stop. Lines are made one at a
    // time, so saving or printing a huge list needs no copy of it.
    template <class Sink>
    void forEachLine(std::size_t first, Sink&& sink) const;

    // Appends the lines from `first` on, each followed by `ending`, to `out`
    // until it holds at least `budget` bytes. Returns how many it appended.
    std::size_t appendLines(std::size_t first, std::string& out, std::size_t budget, std::string_view ending) const;

    // Texts at least as wide as every line: each written-out line, and for
    // the runs the longest line any of them can have. A view measures these
    // instead of two billion lines.
    std::vector<std::string> widthSamples() const;

    // False, and nothing appended, when the list is full.
    [[nodiscard]] bool append(std::string_view text);
    [[nodiscard]] bool append(const MultiplesRun& run);
    bool canTake(std::size_t moreLines) const { return moreLines <= kCapacity - count_; }

    void clear();
    void remove(std::ptrdiff_t index);  // an index without a line changes nothing

    // -1 when no line is selected.
    std::ptrdiff_t selectedIndex() const { return selected_; }
    void setSelectedIndex(std::ptrdiff_t index);
    std::string selectedLine() const { return line(selected_); }

    // One observer at a time: set it once, and set nullptr before another.
    void setObserver(ResultsListObserver* observer);

    // While a Batch lives, observers hear nothing; at its end they hear one
    // reset if anything changed. A mode run that writes a million lines then
    // costs the view one update instead of a million.
    class Batch {
    public:
        explicit Batch(ResultsList& list) : list_(list) { ++list_.batchDepth_; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ResultsList& list_;
    };

private:
    // Segments are kept in blocks of a bounded size, so that finding a line
    // and splitting a run stay cheap after a million scattered deletes.
    struct Block {
        std::vector<Segment> segments;
        std::size_t lines = 0;
    };
    struct Place {
        std::size_t block;
        std::size_t segment;
        std::size_t offset;  // the line within its segment
    };
    static constexpr std::size_t kBlockSegments = 256;

    bool has(std::ptrdiff_t index) const { return index >= 0 && static_cast<std::size_t>(index) < count_; }
    Place locate(std::size_t index) const;
    // Hands each segment from the one holding line `first` on to `visit`,
    // with the first line of it to use, until `visit` returns false.
    template <class Visit>
    void forEachSegment(std::size_t first, Visit&& visit) const;
    Segment& lastSegmentFor(bool text);
    void splitBlockIfFull(std::size_t block);
    void appended(std::size_t lines);
    void notifyReset();

    std::vector<Block> blocks_;
    std::size_t count_ = 0;
    std::ptrdiff_t selected_ = -1;
    ResultsListObserver* observer_ = nullptr;
    int batchDepth_ = 0;
    bool changedInBatch_ = false;
};

template <class Visit>
void ResultsList::forEachSegment(std::size_t first, Visit&& visit) const
{
    if (first >= count_)
        return;
    const Place at = locate(first);
    std::size_t offset = at.offset;
    for (std::size_t b = at.block; b < blocks_.size(); ++b) {
        const auto& segments = blocks_[b].segments;
        for (std::size_t s = b == at.block ? at.segment : 0; s < segments.size(); ++s, offset = 0)
            if (!visit(segments[s], offset))
                return;
    }
}

template <class Sink>
void ResultsList::forEachLine(std::size_t first, Sink&& sink) const
{
    forEachSegment(first, [&sink](const Segment& segment, std::size_t offset) {
        return forEachLineOf(segment, offset, sink);
    });
}

}  // namespace tavrel
