// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "about/about_values.h"

namespace tavrel {

// Shown in the viewer when the getting-started text could not be written or
// read back; the window opens all the same.
inline constexpr std::string_view kHelpTextUnavailable =
    "The getting-started text could not be shown here. The Online Help button opens the help pages.";

// Everything the about window shows after its load sequence.
struct AboutContent {
    std::string caption;  // window title
    std::string baseUrl;
    std::string heading;  // "About Tavrel"
    std::string version;
    std::string releaseDate;
    std::string text;  // the help file's bytes, unchanged, or the notice
    bool textRead = false;
};

// The about window's load sequence, short of showing the window: captions
// from the values, then the help file at values.readPath read whole and
// deleted (with its private folder, if it has one).
AboutContent loadAbout(const AboutValues& values);

}  // namespace tavrel
