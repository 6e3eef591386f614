#pragma once

#include <string>

#include "state/window.h"

namespace tavrel::bench {

// A main window without a window for timing the core: the list, the input
// box, the variables at their start values, and dialogs that answer OK.
class OkDialogs : public Dialogs {
public:
    Answer messageBox(const std::string&, Buttons, Icon, const std::string&) override { return Answer::Ok; }
    std::string inputBox(const std::string&, const std::string&, const std::string& defaultText) override
    {
        return defaultText;
    }
};

struct HeadlessForm {
    ResultsList list;
    PlainInputBox input;
    Settings vars;
    OkDialogs dialogs;
    Window form{list, input, vars, dialogs};
};

}  // namespace tavrel::bench
