// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/about_load.h"

#include "about/help_file.h"
#include "about/online_help.h"

namespace tavrel {

AboutContent loadAbout(const AboutValues& values)
{
    AboutContent content;
    content.caption = "About " + values.name;
    content.baseUrl = std::string(kWebsite);
    content.heading = "About " + values.name;
    content.version = "Version: " + values.version;
    content.releaseDate = "Release Date: " + values.date;
    if (auto text = takeHelpFile(values.readPath)) {
        content.text = std::move(*text);
        content.textRead = true;
    } else {
        content.text = std::string(kHelpTextUnavailable);
    }
    return content;
}

}  // namespace tavrel
