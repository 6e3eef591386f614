// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "modes/find_multiples.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;

// Which multiples are shown is checked in arithmetic/multiples_test.cpp;
// here, what the mode adds: reading the box, the settings reaching the run,
// the error report, the full list and what the box shows afterwards.
struct MultiplesRun {
    const char* name;
    const char* input;
    std::int32_t count;
    std::int32_t multiplier;
    Range range;
    std::size_t lines;
    const char* first;
    const char* last;
    const char* box;
};

class FindMultiplesRun : public ::testing::TestWithParam<MultiplesRun> {};

TEST_P(FindMultiplesRun, ListsTheShownMultiples)
{
    const MultiplesRun& c = GetParam();
    FakeWindow f;
    f.settings.multiples = {c.count, c.multiplier};
    f.settings.range = c.range;
    f.setLines({"old line"});
    f.input.setText(c.input);
    findMultiples(f.window);
    EXPECT_EQ(f.list.count(), c.lines);
    EXPECT_EQ(f.list.line(0), c.first);
    EXPECT_EQ(f.list.line(static_cast<std::ptrdiff_t>(f.list.count()) - 1), c.last);
    EXPECT_EQ(f.input.text(), c.box);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindMultiplesRun,
    ::testing::Values(
        MultiplesRun{"EverySettingReachesTheRun", "5", 100, 3, {10, 60}, 4, "3 x 5 = 15", "12 x 5 = 60", "5"},
        MultiplesRun{"Letters", "abc", 1000, 1, {}, 1000, "1 x 0 = 0", "1000 x 0 = 0", "0"},
        MultiplesRun{"HalfUpToEven", "3.5", 1, 1, {}, 1, "1 x 4 = 4", "1 x 4 = 4", "4"},
        MultiplesRun{"HalfDownToEven", "2.5", 1, 1, {}, 1, "1 x 2 = 2", "1 x 2 = 2", "2"},
        MultiplesRun{"NearestNotFloor", "7.6", 1, 1, {}, 1, "1 x 8 = 8", "1 x 8 = 8", "8"},
        MultiplesRun{"InputOverflow", "2147483647.5", 1000, 1, {}, 2, "ERROR!", "Overflow", "2147483647.5"},
        MultiplesRun{"Beyond32BitsInput", "1e400", 10, 1, {}, 2, "ERROR!", "Overflow", "1e400"},
        MultiplesRun{"LimitOverflow", "7", 100000, 100000, {}, 2, "ERROR!", "Overflow", "Running..."},
        // A count the list cannot hold fails before any memory is spent on it.
        MultiplesRun{"CountBeyondCapacity", "7", 2147483647, 1, {}, 2, "ERROR!", "Out of memory: the list is full",
                     "Running..."},
        // With a range, two billion multipliers are still instant: only the
        // shown ones are visited.
        MultiplesRun{"HugeCountUnderANarrowRange", "7", 2147483647, 1, {100, 120}, 3, "15 x 7 = 105",
                     "17 x 7 = 119", "7"}),
    [](const ::testing::TestParamInfo<MultiplesRun>& info) { return info.param.name; });

}  // namespace
}  // namespace tavrel
