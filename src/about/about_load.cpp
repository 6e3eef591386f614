#include "about/about_load.h"

#include "about/help_file.h"
#include "about/online_help.h"

namespace tavrel {

AboutContent loadAbout(const AboutValues& values)
{
    AboutContent content;
    content.caption = "About " + values.AppName;
    content.baseUrl = std::string(kBaseURL);
    content.lblAbout = "About " + values.AppName;
    content.lblVersion = "Version: " + values.AppVersion;
    content.lbldate = "Release Date: " + values.AppDate;
    if (auto text = takeHelpFile(values.ReadPath)) {
        content.text = std::move(*text);
        content.textRead = true;
    } else {
        content.text = std::string(kHelpTextUnavailable);
    }
    return content;
}

}  // namespace tavrel
