// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "about/help_text.h"

namespace tavrel {
namespace {

// Lines with their ends kept and shown, so that a lost CR, a bare LF or a
// missing last line end is as visible as a changed word.
std::vector<std::string> visibleLines(const std::string& bytes)
{
    std::vector<std::string> lines(1);
    for (char c : bytes) {
        if (c == '\r') {
            lines.back() += "\\r";
        } else if (c == '\n') {
            lines.back() += "\\n";
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    if (lines.back().empty())
        lines.pop_back();
    return lines;
}

// The lines between the common start and the common end, as "-" (expected)
// and "+" (actual) lines with one line of context on either side.
std::string difference(const std::string& expected, const std::string& actual)
{
    const std::vector<std::string> want = visibleLines(expected);
    const std::vector<std::string> got = visibleLines(actual);
    std::size_t head = 0;
    while (head < want.size() && head < got.size() && want[head] == got[head])
        ++head;
    std::size_t tail = 0;
    while (tail < want.size() - head && tail < got.size() - head &&
           want[want.size() - 1 - tail] == got[got.size() - 1 - tail])
        ++tail;
    std::ostringstream out;
    out << "@@ line " << head + 1 << " @@\n";
    if (head > 0)
        out << "  " << want[head - 1] << '\n';
    for (std::size_t i = head; i < want.size() - tail; ++i)
        out << "- " << want[i] << '\n';
    for (std::size_t i = head; i < got.size() - tail; ++i)
        out << "+ " << got[i] << '\n';
    if (tail > 0)
        out << "  " << want[want.size() - tail] << '\n';
    return out.str();
}

TEST(HelpText, IsTheGoldenFile)
{
    std::ifstream file(TAVREL_TESTS_DIR "/about/help_text.golden", std::ios::binary);
    ASSERT_TRUE(file) << "cannot read help_text.golden";
    const std::string golden{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::string text = helpText();
    EXPECT_TRUE(text == golden) << difference(golden, text);
}

}  // namespace
}  // namespace tavrel
