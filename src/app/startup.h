#pragma once

#include <string>

#include "app/window_variables.h"

namespace tavrel {

// `WorkDir` from the process's current directory: always ends in a separator.
std::string workDirFrom(std::string currentDirectory);

// The window variables as every start sets them.
WindowVariables startupVariables(const std::string& currentDirectory);

}  // namespace tavrel
