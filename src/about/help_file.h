// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

inline constexpr std::string_view kHelpFileName = "r_tavrel.txt";

// Writes the getting-started text for the about window to show.
//
// The file is created as workDir + "r_tavrel.txt" only when nothing of that
// name is there yet; it is never opened through a link and never replaces
// anything. When that name is taken, or workDir cannot be written, the text
// goes into a fresh private folder under the system's temporary directory
// instead, so a user's own file of that name is left exactly as it was.
//
// Returns the path of the file written, or nothing when the text could be
// written nowhere (no partial file is left behind).
std::optional<std::string> writeHelpFile(const std::string& workDir);

// Reads the help file at readPath whole, then deletes it, and removes the
// private folder writeHelpFile may have put it in. Nothing is returned when
// the file is missing, is not a regular file or cannot be read; it is
// deleted all the same, so no help file outlives the call.
std::optional<std::string> takeHelpFile(const std::string& readPath);

}  // namespace tavrel
