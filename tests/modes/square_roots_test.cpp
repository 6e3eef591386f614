#include <gtest/gtest.h>

#include "modes/square_roots.h"
#include "support/fake_window.h"

namespace tavrel {
namespace {

using testing::FakeWindow;
using testing::splitLines;

struct RootCase {
    const char* input;
    const char* lines;
    const char* box;
};

class SquareRootsTable : public ::testing::TestWithParam<RootCase> {};

TEST_P(SquareRootsTable, RewritesTheRoot)
{
    const RootCase& c = GetParam();
    FakeWindow f;
    f.setLines({"earlier", "lines"});
    f.input.setText(c.input);
    squareRoots(f.window);
    EXPECT_EQ(f.lines(), splitLines(c.lines));
    EXPECT_EQ(f.input.text(), c.box);
    EXPECT_TRUE(f.dialogs.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SquareRootsTable,
    ::testing::Values(RootCase{"567", "Square root of 567 is: / 9 x Square root of 7", "567"},
                      RootCase{"81", "Square root of 81 is: / 9", "81"},
                      RootCase{"4", "Square root of 4 is: / 2", "4"},
                      RootCase{"8", "Square root of 8 is: / 2 x Square root of 2", "8"},
                      RootCase{"72", "Square root of 72 is: / 6 x Square root of 2", "72"},
                      RootCase{"30", "Cannot do.", "30"},
                      RootCase{"0", "Cannot do.", "0"},
                      RootCase{"1", "Cannot do.", "1"},
                      RootCase{"2", "Cannot do.", "2"},
                      RootCase{"3", "Cannot do.", "3"},
                      RootCase{"2147483647", "Cannot do.", "2147483647"},
                      RootCase{"2147395600", "Square root of 2147395600 is: / 46340", "2147395600"},
                      RootCase{"567.9", "Square root of 567 is: / 9 x Square root of 7", "567"},
                      RootCase{"567abc", "Square root of 567 is: / 9 x Square root of 7", "567"},
                      RootCase{"abc", "Cannot do.", "0"},
                      RootCase{"", "Cannot do.", "0"},
                      RootCase{"-8", "ERROR! / Invalid procedure call or argument", "-8"},
                      RootCase{"-2.5", "ERROR! / Invalid procedure call or argument", "-3"},
                      RootCase{"2147483648", "ERROR! / Overflow", "2147483648"},
                      RootCase{"1e300", "ERROR! / Overflow", "1E+300"},
                      RootCase{"1e400", "ERROR! / Overflow", "1e400"}));

}  // namespace
}  // namespace tavrel
