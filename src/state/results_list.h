// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tavrel {

// Told about changes so that a view can follow the list.
class ResultsListObserver {
public:
    virtual ~ResultsListObserver() = default;
    virtual void listReset() = 0;                               // anything may have changed
    virtual void linesAppended(std::size_t first, std::size_t last) = 0;
    virtual void lineRemoved(std::size_t index) = 0;
};

// The main window's results list: text lines in the order they were
// appended, with at most one selected line. Lines live in one character
// buffer with an end offset each, so millions of lines stay compact.
class ResultsList {
public:
    // Past this many lines an append fails and the modes report "ERROR!".
    // Fifty million of the longest lines any mode writes stay under 4 GiB.
    static constexpr std::size_t kCapacity = 50'000'000;
    static constexpr std::size_t kCharCapacity = UINT32_MAX;

    std::size_t count() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }

    // The line at `index`, or the empty text where the list holds none.
    std::string_view line(std::ptrdiff_t index) const;

    // False, and nothing appended, when the list is full.
    bool append(std::string_view text);
    bool canTake(std::size_t moreLines) const { return moreLines <= kCapacity - count(); }
    void reserve(std::size_t lines, std::size_t chars);

    void clear();
    void remove(std::ptrdiff_t index);  // an index without a line changes nothing

    // -1 when no line is selected.
    std::ptrdiff_t selectedIndex() const { return selected_; }
    void setSelectedIndex(std::ptrdiff_t index);
    std::string_view selectedLine() const { return line(selected_); }

    void setObserver(ResultsListObserver* observer) { observer_ = observer; }

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
    std::size_t startOf(std::size_t index) const { return index == 0 ? 0 : ends_[index - 1]; }

    std::vector<char> chars_;
    std::vector<std::uint32_t> ends_;
    std::ptrdiff_t selected_ = -1;
    ResultsListObserver* observer_ = nullptr;
    int batchDepth_ = 0;
    bool changedInBatch_ = false;
};

}  // namespace tavrel
