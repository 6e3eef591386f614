// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

namespace tavrel {

std::string workDirFrom(std::string currentDirectory)
{
    if (currentDirectory.empty() || currentDirectory.back() != '/')
        currentDirectory += '/';
    return currentDirectory;
}

Settings startupSettings(const std::string& currentDirectory)
{
    Settings settings;  // Find Factors, 1000 multiples in steps of 1, no range
    settings.workDir = workDirFrom(currentDirectory);
    return settings;
}

}  // namespace tavrel
