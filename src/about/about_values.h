// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "tavrel/version.h"

namespace tavrel {

// What the about window shows and where its help button leads. The main
// window holds these for the whole run; each opening of the about window
// reads them afresh, so closing it loses nothing.
struct AboutValues {
    std::string version;
    std::string name;
    std::string date;
    std::int16_t helpId = 0;  // selects the online-help page
    std::string readPath;     // the help file the next opening shows and deletes
};

// The values every start hands the about window.
inline AboutValues startupAboutValues()
{
    AboutValues values;
    values.helpId = 2;
    values.date = "20th December 2002";
    values.name = "Tavrel";
    values.version = std::string(kVersion);
    return values;
}

}  // namespace tavrel
