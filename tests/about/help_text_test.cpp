// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

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

TEST(HelpText, IsTheExactFileBytes)
{
    const std::string text = helpText();
    EXPECT_EQ(text.size(), 3992u);
    // A digest of the reference text: any changed, lost or added byte shows.
    EXPECT_EQ(fnv1a(text), 0x02948d1383ea5960u);
    for (unsigned char c : text)
        ASSERT_TRUE(c == '\t' || c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7f)) << int(c);
    // 27 lines, every one ending in CR LF: no bare CR or LF, none missing at the end.
    std::size_t crlf = 0;
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2)
        ++crlf;
    EXPECT_EQ(crlf, 27u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 27);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 27);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(kHelpLines[6], "\tNothing much to prepare for Tavrel. ;)");
}

}  // namespace
}  // namespace tavrel
