// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tavrel {

inline constexpr std::size_t kHelpLineCount = 27;
inline constexpr std::size_t kHelpTextSize = 3992;  // bytes, CR LF included

// The getting-started text, line by line, without line ends.
extern const std::array<std::string_view, kHelpLineCount> kHelpLines;

// The text as the help file holds it: every line, the last one too, ends in
// CR LF; plain ASCII, no byte-order mark.
std::string helpText();

}  // namespace tavrel
