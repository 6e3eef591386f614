#pragma once

#include <string>

namespace tavrel {

// Answer codes of the message box. Handlers keep them in `reply` and compare
// with these numbers, so they are part of the program's state.
enum Answer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Icon { Information, Question, Exclamation };

// The two modal dialogs every command talks to the user through.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows `prompt` modally and returns the Answer code of the button pressed.
    // A carriage return in the prompt starts a new line.
    virtual int messageBox(const std::string& prompt, Buttons buttons, Icon icon,
                           const std::string& title) = 0;

    // Asks for one line of text; returns it as typed on OK and the empty text
    // on Cancel (never the default).
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
};

}  // namespace tavrel
