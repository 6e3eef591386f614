#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "about/help_text.h"

namespace tavrel {
namespace {

std::uint64_t fnv1a(const std::string& bytes)
{
    std::uint64_t h = 0xcbf29ce484222325u;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 0x100000001b3u;
    }
    return h;
}

std::vector<std::string> splitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

TEST(HelpText, IsTheExactFileBytes)
{
    const std::string text = helpText();
    EXPECT_EQ(text.size(), 3992u);
    // A digest of the reference text: any changed, lost or added byte shows.
    EXPECT_EQ(fnv1a(text), 0x02948d1383ea5960u);
    for (unsigned char c : text)
        ASSERT_TRUE(c == '\t' || c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7f)) << int(c);
}

TEST(HelpText, LinesHaveTheirShape)
{
    const std::vector<std::string> lines = splitCrLf(helpText());
    ASSERT_EQ(lines.size(), 27u);
    const std::vector<int> paragraphs{7, 10, 11, 12, 13, 14, 17, 18, 21, 24, 27};
    const std::vector<int> empty{3, 5, 8, 15, 19, 22, 25};
    for (int n = 1; n <= 27; ++n) {
        const std::string& line = lines[static_cast<std::size_t>(n - 1)];
        const bool isParagraph = std::find(paragraphs.begin(), paragraphs.end(), n) != paragraphs.end();
        const bool isEmpty = std::find(empty.begin(), empty.end(), n) != empty.end();
        EXPECT_EQ(isEmpty, line.empty()) << "line " << n;
        EXPECT_EQ(isParagraph, !line.empty() && line[0] == '\t') << "line " << n;
        EXPECT_EQ(line.find_first_of("\t\r\n", 1), std::string::npos) << "line " << n;
    }
    EXPECT_EQ(lines[0], "** You are now running the patched version of 6.2. **");
    EXPECT_EQ(lines[25], "6. Square Roots mode");
}

}  // namespace
}  // namespace tavrel
