#pragma once

#include <cstdint>
#include <string>

namespace tavrel {

// What the about window shows and where its help button leads. The main
// window holds these for the whole run; each opening of the about window
// reads them afresh, so closing it loses nothing.
struct AboutValues {
    std::string AppVersion;
    std::string AppName;
    std::string AppDate;
    std::int16_t AppID = 0;  // selects the online-help page
    std::string ReadPath;    // the help file the next opening shows and deletes
};

// The values every start hands the about window.
inline AboutValues startupAboutValues()
{
    AboutValues values;
    values.AppID = 2;
    values.AppDate = "20th December 2002";
    values.AppName = "Tavrel";
    values.AppVersion = "6.2";
    return values;
}

}  // namespace tavrel
