#pragma once

#include <string>

#include "app/form.h"

namespace tavrel::bench {

// A main window without a window for timing the core: the list, the input
// box, the variables at their start values, and dialogs that answer OK.
class OkDialogs : public Dialogs {
public:
    int messageBox(const std::string&, Buttons, Icon, const std::string&) override { return AnswerOk; }
    std::string inputBox(const std::string&, const std::string&, const std::string& defaultText) override
    {
        return defaultText;
    }
};

struct HeadlessForm {
    ResultsList list;
    PlainInputBox input;
    WindowVariables vars;
    OkDialogs dialogs;
    Form form{list, input, vars, dialogs};
};

}  // namespace tavrel::bench
