#include <gtest/gtest.h>

#include "arithmetic/failure.h"
#include "modes/find_multiples.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;

struct MultiplesCase {
    const char* name;
    const char* input;
    std::int32_t maxMultiples;
    std::int32_t ratio;
    std::int32_t lower;
    std::int32_t upper;
    std::size_t count;
    const char* first;  // "" when the list ends empty
    const char* last;
    const char* boxAfter;
};

class FindMultiplesTable : public ::testing::TestWithParam<MultiplesCase> {};

TEST_P(FindMultiplesTable, ListsTheShownMultiples)
{
    const MultiplesCase& c = GetParam();
    FakeWindow f;
    f.settings.multiples.count = c.maxMultiples;
    f.settings.multiples.multiplier = c.ratio;
    f.settings.range.low = c.lower;
    f.settings.range.high = c.upper;
    f.setLines({"old line"});
    f.input.setText(c.input);
    findMultiples(f.window);
    EXPECT_EQ(f.list.count(), c.count);
    EXPECT_EQ(f.list.line(0), c.first);
    EXPECT_EQ(f.list.line(static_cast<std::ptrdiff_t>(f.list.count()) - 1), c.last);
    EXPECT_EQ(f.input.text(), c.boxAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindMultiplesTable,
    ::testing::Values(
        MultiplesCase{"Defaults", "7", 1000, 1, 0, 0, 1000, "1 x 7 = 7", "1000 x 7 = 7000", "7"},
        MultiplesCase{"RatioTwo", "7", 1000, 2, 0, 0, 1000, "2 x 7 = 14", "2000 x 7 = 14000", "7"},
        MultiplesCase{"RatioThree", "7", 500, 3, 0, 0, 500, "3 x 7 = 21", "1500 x 7 = 10500", "7"},
        MultiplesCase{"Range", "7", 1000, 1, 50, 100, 7, "8 x 7 = 56", "14 x 7 = 98", "7"},
        MultiplesCase{"RangeNegative", "-7", 1000, 1, 50, 100, 0, "", "", "-7"},
        MultiplesCase{"RangeNegativeProducts", "-7", 20, 1, -30, -14, 3, "2 x -7 = -14", "4 x -7 = -28", "-7"},
        MultiplesCase{"RangeWithStep", "5", 100, 3, 10, 60, 4, "3 x 5 = 15", "12 x 5 = 60", "5"},
        MultiplesCase{"RangeUpperZero", "7", 1000, 1, 5, 0, 0, "", "", "7"},
        MultiplesCase{"ZeroInRange", "0", 3, 1, 0, 9, 3, "1 x 0 = 0", "3 x 0 = 0", "0"},
        MultiplesCase{"ZeroOutOfRange", "0", 3, 1, 1, 9, 0, "", "", "0"},
        MultiplesCase{"Zero", "0", 1000, 1, 0, 0, 1000, "1 x 0 = 0", "1000 x 0 = 0", "0"},
        MultiplesCase{"Letters", "abc", 1000, 1, 0, 0, 1000, "1 x 0 = 0", "1000 x 0 = 0", "0"},
        MultiplesCase{"HalfUpToEven", "3.5", 1, 1, 0, 0, 1, "1 x 4 = 4", "1 x 4 = 4", "4"},
        MultiplesCase{"HalfDownToEven", "2.5", 1, 1, 0, 0, 1, "1 x 2 = 2", "1 x 2 = 2", "2"},
        MultiplesCase{"NearestNotFloor", "7.6", 1, 1, 0, 0, 1, "1 x 8 = 8", "1 x 8 = 8", "8"},
        MultiplesCase{"ProductBeyond32Bits", "2147483647", 2, 1, 0, 0, 2, "1 x 2147483647 = 2147483647",
                      "2 x 2147483647 = 4294967294", "2147483647"},
        MultiplesCase{"ProductInExponentForm", "2147483647", 1, 1000000, 0, 0, 1,
                      "1000000 x 2147483647 = 2.147483647E+15", "1000000 x 2147483647 = 2.147483647E+15",
                      "2147483647"},
        MultiplesCase{"InputOverflow", "2147483647.5", 1000, 1, 0, 0, 2, "ERROR!", "Overflow", "2147483647.5"},
        MultiplesCase{"LimitOverflow", "7", 100000, 100000, 0, 0, 2, "ERROR!", "Overflow", "Running..."},
        MultiplesCase{"Beyond32BitsInput", "1e400", 10, 1, 0, 0, 2, "ERROR!", "Overflow", "1e400"}),
    [](const ::testing::TestParamInfo<MultiplesCase>& info) { return info.param.name; });

TEST(FindMultiples, EveryLineOfASmallRun)
{
    FakeWindow f;
    f.settings.multiples.count = 3;
    f.input.setText("-4");
    findMultiples(f.window);
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"1 x -4 = -4", "2 x -4 = -8", "3 x -4 = -12"}));
}

// A count the list cannot hold fails before any memory is spent on it.
TEST(FindMultiples, CountBeyondCapacityFailsAtOnce)
{
    FakeWindow f;
    f.settings.multiples.count = 2147483647;
    f.input.setText("7");
    findMultiples(f.window);
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"ERROR!", std::string(describe(Failure::ListFull))}));
    EXPECT_EQ(f.input.text(), "Running...");
}

// With a range, two billion multipliers are still instant: only the shown
// ones are visited.
TEST(FindMultiples, HugeCountUnderANarrowRange)
{
    FakeWindow f;
    f.settings.multiples.count = 2147483647;
    f.settings.range.low = 100;
    f.settings.range.high = 120;
    f.input.setText("7");
    findMultiples(f.window);
    EXPECT_EQ(f.lines(), (std::vector<std::string>{"15 x 7 = 105", "16 x 7 = 112", "17 x 7 = 119"}));
}

}  // namespace
}  // namespace tavrel
