// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "arithmetic/number_text.h"
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
    findMultiples(f.context);
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
        // The largest count the settings allow is one run: no line is written out.
        MultiplesRun{"LargestCount",
                     "7",
                     2147483647,
                     1,
                     {},
                     2147483647,
                     "1 x 7 = 7",
                     "2147483647 x 7 = 15032385529",
                     "7"},
        MultiplesRun{"LargestStep",
                     "-1",
                     1,
                     2147483647,
                     {},
                     1,
                     "2147483647 x -1 = -2147483647",
                     "2147483647 x -1 = -2147483647",
                     "-1"},
        MultiplesRun{"SquareOverflow", "7", 46341, 46341, {}, 2, "ERROR!", "Overflow", "Running..."},
        // With a range, two billion multipliers are still instant: only the
        // shown ones are visited.
        MultiplesRun{"HugeCountUnderANarrowRange",
                     "7",
                     2147483647,
                     1,
                     {100, 120},
                     3,
                     "15 x 7 = 105",
                     "17 x 7 = 119",
                     "7"}),
    [](const ::testing::TestParamInfo<MultiplesRun>& info) { return info.param.name; });

// The run the list holds against a plain loop over every multiplier, for
// random numbers, counts, steps and ranges: every line, in order, read one
// by one, as a stream, and as a saved file's bytes.
TEST(FindMultiples, RunMatchesAPlainLoopOverEveryMultiplier)
{
    std::mt19937 random(7);
    auto any = [&random](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    for (int trial = 0; trial < 300; ++trial) {
        FakeWindow f;
        const std::int64_t number = trial % 3 == 0 ? any(INT32_MIN, INT32_MAX) : any(-2000, 2000);
        const auto count = static_cast<std::int32_t>(any(1, 300));
        const auto step = static_cast<std::int32_t>(trial % 2 ? any(1, 5) : any(1, INT32_MAX / count));
        f.settings.multiples = {count, step};
        if (trial % 4 != 0) {
            const std::int64_t reach = std::max<std::int64_t>(1, std::abs(number) * count * step / 2);
            const auto a = static_cast<std::int32_t>(
                std::clamp<std::int64_t>(any(-reach, reach), INT32_MIN, INT32_MAX));
            const auto b = static_cast<std::int32_t>(
                std::clamp<std::int64_t>(any(-reach, reach), INT32_MIN, INT32_MAX));
            f.settings.range = {std::min(a, b), std::max(a, b)};
        }
        f.input.setText(numberToText(number));
        findMultiples(f.context);

        std::vector<std::string> expected;
        for (std::int64_t k = step; k <= std::int64_t{count} * step; k += step)
            if (!f.settings.range.inForce() || f.settings.range.contains(number * k))
                expected.push_back(numberToText(k) + " x " + numberToText(number) + " = " + numberToText(number * k));
        ASSERT_EQ(f.lines(), expected) << "number " << number << ", count " << count << ", step " << step << ", range "
                                       << f.settings.range.low << ".." << f.settings.range.high;
        std::vector<std::string> streamed;
        f.list.forEachLine(0, [&streamed](std::string_view line) {
            streamed.emplace_back(line);
            return true;
        });
        ASSERT_EQ(streamed, expected);
        std::string saved;
        std::string expectedBytes;
        for (const std::string& line : expected)
            expectedBytes += line + "\r\n";
        EXPECT_EQ(f.list.appendLines(0, saved, SIZE_MAX, "\r\n"), expected.size());
        ASSERT_EQ(saved, expectedBytes);
    }
}

}  // namespace
}  // namespace tavrel
