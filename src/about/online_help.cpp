// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/online_help.h"

#include <array>
#include <utility>

namespace tavrel {

std::optional<std::string_view> onlineHelpPath(int appId)
{
    static constexpr std::array<std::pair<int, std::string_view>, 4> kPaths{{
        {0, "help/ulk/"},
        {1, "help/brask/"},
        {2, "help/tavrel/"},
        {3, "help/dorn/"},
    }};
    for (const auto& [id, path] : kPaths)
        if (id == appId)
            return path;
    return std::nullopt;
}

void openWebsite(Shell& shell, const std::string& baseUrl) { shell.open(baseUrl); }

void openOnlineHelp(Shell& shell, const std::string& baseUrl, int appId)
{
    if (const auto path = onlineHelpPath(appId))
        shell.open(baseUrl + std::string(*path));
}

}  // namespace tavrel
