// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

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
    // A digest of the reference text: any changed, lost or added byte shows,
    // a bare CR or LF or a missing last line end among them.
    EXPECT_EQ(fnv1a(text), 0x02948d1383ea5960u);
}

}  // namespace
}  // namespace tavrel
