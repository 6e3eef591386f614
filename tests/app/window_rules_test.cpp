// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "app/random_number.h"
#include "app/sizing_rule.h"
#include "app/startup.h"

namespace tavrel {
namespace {

TEST(SizingRule, WidthFixedHeightHasMinimumListFollows)
{
    struct Row {
        int asked, height, list;
    };
    for (Row r : {Row{3525, 3525, 2460}, Row{3524, 3525, 2460}, Row{100, 3525, 2460}, Row{5000, 5000, 3935},
                  Row{-20, 3525, 2460}}) {
        OuterGeometry g = applySizingRule(r.asked);
        EXPECT_EQ(g.width, 4590) << r.asked;
        EXPECT_EQ(g.height, r.height) << r.asked;
        EXPECT_EQ(g.listHeight, r.list) << r.asked;
    }
}

TEST(Startup, VariablesAndWorkDir)
{
    Settings v = startupSettings("/home/user/data");
    EXPECT_EQ(v.mode, Mode::Factors);
    EXPECT_EQ(v.multiples.count, 1000);
    EXPECT_EQ(v.multiples.multiplier, 1);
    EXPECT_EQ(v.range.high, 0);
    EXPECT_EQ(v.range.low, 0);
    EXPECT_EQ(v.workDir, "/home/user/data/");
    EXPECT_EQ(workDirFrom("/"), "/");
    EXPECT_EQ(workDirFrom("/tmp/"), "/tmp/");
}

TEST(RandomNumber, StaysWithinEightDigits)
{
    std::int32_t largest = 0;
    for (double s : {0.0, 0.001, 1.5, 43200.25, 86399.999, 12345.678}) {
        std::int32_t n = randomNumber(s);
        EXPECT_GE(n, 0);
        EXPECT_LE(n, 99999999);
        largest = std::max(largest, n);
    }
    EXPECT_GE(largest, 10000000);  // the scale reaches eight digits, not seven
    EXPECT_NE(randomNumber(100.0), randomNumber(100.01));
}

}  // namespace
}  // namespace tavrel
