// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "state/settings.h"

namespace tavrel {

// The start-up folder as the settings keep it: always ending in a separator.
std::string workDirFrom(std::string currentDirectory);

// The settings as every start sets them.
Settings startupSettings(const std::string& currentDirectory);

}  // namespace tavrel
