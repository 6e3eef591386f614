// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "modes/square_roots.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;
using testing::splitLines;

// The split itself is checked in arithmetic/square_root_test.cpp; here, what
// the mode adds: reading the box, the lines as text, the error report and
// the floored number left in the box.
struct RootRun {
    const char* input;
    const char* lines;
    const char* box;
};

class SquareRootsRun : public ::testing::TestWithParam<RootRun> {};

TEST_P(SquareRootsRun, RewritesTheRoot)
{
    const RootRun& c = GetParam();
    FakeWindow f;
    f.setLines({"earlier", "lines"});
    f.input.setText(c.input);
    squareRoots(f.context);
    EXPECT_EQ(f.lines(), splitLines(c.lines));
    EXPECT_EQ(f.input.text(), c.box);
    EXPECT_TRUE(f.dialogs.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, SquareRootsRun,
                         ::testing::Values(RootRun{"567.9", "Square root of 567 is: / 9 x Square root of 7", "567"},
                                           RootRun{"567abc", "Square root of 567 is: / 9 x Square root of 7", "567"},
                                           RootRun{"81", "Square root of 81 is: / 9", "81"},
                                           RootRun{"abc", "Cannot do.", "0"}, RootRun{"", "Cannot do.", "0"},
                                           RootRun{"-2.5", "ERROR! / Invalid procedure call or argument", "-3"},
                                           RootRun{"1e300", "ERROR! / Overflow", "1E+300"},
                                           RootRun{"1e400", "ERROR! / Overflow", "1e400"}));

}  // namespace
}  // namespace tavrel
