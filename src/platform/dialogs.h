// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tavrel {

// The button a message box was closed with (the codes message boxes have
// always returned).
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { Information, Question, Exclamation };

// The two modal dialogs every command talks to the user through.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows `prompt` modally and returns the button pressed. A carriage
    // return in the prompt starts a new line.
    virtual Answer messageBox(const std::string& prompt, Buttons buttons, Icon icon, const std::string& title) = 0;

    // Asks for one line of text; returns it as typed on OK and the empty text
    // on Cancel (never the default).
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
};

}  // namespace tavrel
