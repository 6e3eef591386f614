// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/shell.h"

namespace tavrel {

// Root of the maker's applications website; pages lie below it.
inline constexpr std::string_view kWebsite = "https://quillo.example/";

// The help page of the program with the given help number, relative to the
// website's root; nothing for a number that has no page.
std::optional<std::string_view> onlineHelpPath(int appId);

// The website button: the root address itself.
void openWebsite(Shell& shell, const std::string& baseUrl);

// The Online Help button: the program's help page, or nothing at all when
// the help number has no page.
void openOnlineHelp(Shell& shell, const std::string& baseUrl, int appId);

}  // namespace tavrel
