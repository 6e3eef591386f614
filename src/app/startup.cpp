#include "app/startup.h"

namespace tavrel {

std::string workDirFrom(std::string currentDirectory)
{
    if (currentDirectory.empty() || currentDirectory.back() != '/')
        currentDirectory += '/';
    return currentDirectory;
}

WindowVariables startupVariables(const std::string& currentDirectory)
{
    WindowVariables vars;
    vars.LastMode = 0;
    vars.MaxMultiples = 1000;
    vars.MRatio = 1;
    vars.URange = 0;
    vars.LRange = 0;
    vars.WorkDir = workDirFrom(currentDirectory);
    return vars;
}

}  // namespace tavrel
