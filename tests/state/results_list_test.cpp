// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "arithmetic/number_text.h"
#include "state/results_list.h"

namespace tavrel {
namespace {

TEST(ResultsList, LinesSelectionAndRemoval)
{
    ResultsList list;
    EXPECT_EQ(list.line(0), "");
    EXPECT_EQ(list.line(-1), "");
    for (const char* s : {"a", "", "ccc", "dd"})
        ASSERT_TRUE(list.append(s));
    list.setSelectedIndex(2);
    EXPECT_EQ(list.selectedLine(), "ccc");
    list.remove(1);
    EXPECT_EQ(list.count(), 3u);
    EXPECT_EQ(list.line(1), "ccc");
    EXPECT_EQ(list.line(2), "dd");
    EXPECT_EQ(list.selectedIndex(), 1);  // the selection follows its line
    list.remove(1);
    EXPECT_EQ(list.selectedIndex(), -1);
    list.remove(7);
    list.remove(-1);
    EXPECT_EQ(list.count(), 2u);
    list.setSelectedIndex(5);
    EXPECT_EQ(list.selectedIndex(), -1);
    list.clear();
    EXPECT_TRUE(list.empty());
}

TEST(ResultsList, RefusesLinesBeyondCapacity)
{
    ResultsList list;
    EXPECT_TRUE(list.canTake(ResultsList::kCapacity));
    EXPECT_FALSE(list.canTake(ResultsList::kCapacity + 1));
    ASSERT_TRUE(list.append("x"));
    EXPECT_FALSE(list.canTake(ResultsList::kCapacity));
}

TEST(ResultsList, TakesLinesUpToItsCapacityExactly)
{
    const auto capacity = static_cast<std::int64_t>(ResultsList::kCapacity);
    struct Row {
        const char* name;
        std::int64_t runBefore;
        bool textFits;
    };
    for (Row r : {Row{"room for one", capacity - 1, true}, Row{"full", capacity, false}}) {
        ResultsList list;
        ASSERT_TRUE(list.append(MultiplesRun{7, 1, 1, r.runBefore})) << r.name;
        EXPECT_EQ(list.append("x"), r.textFits) << r.name;
        EXPECT_FALSE(list.append("y")) << r.name;
        EXPECT_FALSE(list.append(MultiplesRun{7, 1, 1, 1})) << r.name;
        EXPECT_EQ(list.count(), ResultsList::kCapacity) << r.name;
        EXPECT_EQ(list.line(capacity - 1), r.textFits ? "x" : "2147483647 x 7 = 15032385529") << r.name;
    }
}

// The remaining multipliers of a run of 1..n after deletes, found by their
// rank: a Fenwick tree over "still there" flags.
class Remaining {
public:
    explicit Remaining(std::int64_t n) : tree_(static_cast<std::size_t>(n) + 1)
    {
        for (std::int64_t i = 1; i <= n; ++i) {
            tree_[static_cast<std::size_t>(i)] += 1;
            if (const std::int64_t up = i + (i & -i); up <= n)
                tree_[static_cast<std::size_t>(up)] += tree_[static_cast<std::size_t>(i)];
        }
    }
    // The multiplier at 0-based `rank` among those still there.
    std::int64_t find(std::int64_t rank) const
    {
        std::int64_t at = 0;
        for (std::int64_t bit = std::int64_t{1} << 40; bit > 0; bit >>= 1)
            if (at + bit < size() && tree_[static_cast<std::size_t>(at + bit)] <= rank)
                rank -= tree_[static_cast<std::size_t>(at += bit)];
        return at + 1;
    }
    void take(std::int64_t multiplier)
    {
        for (std::int64_t i = multiplier; i < size(); i += i & -i)
            tree_[static_cast<std::size_t>(i)] -= 1;
    }

private:
    std::int64_t size() const { return static_cast<std::int64_t>(tree_.size()); }
    std::vector<std::int64_t> tree_;
};

TEST(ResultsList, ScatteredDeletesSplitARunCorrectly)
{
#ifdef TAVREL_SANITIZED_BUILD
    constexpr std::int64_t kLines = 200'000, kDeletes = 100'000;
#else
    constexpr std::int64_t kLines = 2'000'000, kDeletes = 1'000'000;
#endif
    ResultsList list;
    ASSERT_TRUE(list.append(MultiplesRun{-3, 1, 1, kLines}));
    Remaining remaining(kLines);
    std::vector<bool> deleted(kLines + 1);
    std::mt19937_64 random(20261211);
    for (std::int64_t n = 0; n < kDeletes; ++n) {
        const auto at = static_cast<std::int64_t>(random() % list.count());
        const std::int64_t k = remaining.find(at);
        if (n % 1000 == 0) {
            ASSERT_EQ(list.line(at), numberToText(k) + " x -3 = " + numberToText(-3 * k)) << "before delete " << n;
        }
        remaining.take(k);
        deleted[static_cast<std::size_t>(k)] = true;
        list.remove(at);
    }
    ASSERT_EQ(list.count(), static_cast<std::size_t>(kLines - kDeletes));
    std::int64_t k = 0;
    bool same = true;
    list.forEachLine(0, [&](std::string_view line) {
        while (deleted[static_cast<std::size_t>(++k)]) {
        }
        same = line == numberToText(k) + " x -3 = " + numberToText(-3 * k);
        return same;
    });
    EXPECT_TRUE(same) << "first difference at multiplier " << k;
}

TEST(ResultsList, TextAndRunsKeepTheirOrderThroughEdits)
{
    ResultsList list;
    ASSERT_TRUE(list.append("first"));
    ASSERT_TRUE(list.append(MultiplesRun{5, 2, 2, 4}));  // 2 x 5 ... 8 x 5
    ASSERT_TRUE(list.append("after"));
    ASSERT_TRUE(list.append(MultiplesRun{5, 1, 1, 0}));  // an empty run adds nothing
    list.remove(2);                                      // 4 x 5: splits the run
    list.remove(1);                                      // 2 x 5: the run's first line
    list.remove(2);                                      // 8 x 5: the last line of the second half
    std::vector<std::string> lines;
    list.forEachLine(0, [&lines](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    EXPECT_EQ(lines, (std::vector<std::string>{"first", "6 x 5 = 30", "after"}));
    list.remove(1);
    EXPECT_EQ(list.line(1), "after");
    EXPECT_EQ(list.count(), 2u);
}

}  // namespace
}  // namespace tavrel
