// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/results_list.h"

#include <algorithm>

namespace tavrel {

std::string_view ResultsList::line(std::ptrdiff_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= ends_.size())
        return {};
    std::size_t i = static_cast<std::size_t>(index);
    std::size_t start = startOf(i);
    return {chars_.data() + start, ends_[i] - start};
}

bool ResultsList::append(std::string_view text)
{
    if (ends_.size() >= kCapacity || text.size() > kCharCapacity - chars_.size())
        return false;
    chars_.insert(chars_.end(), text.begin(), text.end());
    ends_.push_back(static_cast<std::uint32_t>(chars_.size()));
    if (batchDepth_ > 0)
        changedInBatch_ = true;
    else if (observer_)
        observer_->linesAppended(ends_.size() - 1, ends_.size() - 1);
    return true;
}

void ResultsList::reserve(std::size_t lines, std::size_t chars)
{
    ends_.reserve(std::min(lines, kCapacity));
    chars_.reserve(std::min(chars, kCharCapacity));
}

void ResultsList::clear()
{
    // Swap rather than clear, so a huge list gives its memory back.
    std::vector<char>().swap(chars_);
    std::vector<std::uint32_t>().swap(ends_);
    selected_ = -1;
    if (batchDepth_ > 0)
        changedInBatch_ = true;
    else if (observer_)
        observer_->listReset();
}

void ResultsList::remove(std::ptrdiff_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= ends_.size())
        return;
    std::size_t i = static_cast<std::size_t>(index);
    std::size_t start = startOf(i);
    std::uint32_t length = ends_[i] - static_cast<std::uint32_t>(start);
    chars_.erase(chars_.begin() + static_cast<std::ptrdiff_t>(start),
                 chars_.begin() + static_cast<std::ptrdiff_t>(ends_[i]));
    ends_.erase(ends_.begin() + index);
    for (std::size_t k = i; k < ends_.size(); ++k)
        ends_[k] -= length;
    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
    if (batchDepth_ > 0)
        changedInBatch_ = true;
    else if (observer_)
        observer_->lineRemoved(i);
}

void ResultsList::setSelectedIndex(std::ptrdiff_t index)
{
    selected_ = (index >= 0 && static_cast<std::size_t>(index) < ends_.size()) ? index : -1;
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
