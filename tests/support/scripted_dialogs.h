// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace tavrel::testing {

// Dialogs that answer from a script and remember everything they were asked.
// A dialog the script did not expect fails the test loudly.
class ScriptedDialogs : public Dialogs {
public:
    struct Call {
        enum Kind { Message, Input } kind;
        std::string prompt;
        std::string title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::Information;
        std::string defaultText;  // input boxes only
    };

    // Queue the answer to the next message box.
    ScriptedDialogs& answer(Answer code)
    {
        messageAnswers_.push_back(code);
        return *this;
    }
    // Queue the text typed into the next input box ("" is Cancel).
    ScriptedDialogs& type(std::string text)
    {
        inputAnswers_.push_back(std::move(text));
        return *this;
    }

    Answer messageBox(const std::string& prompt, Buttons buttons, Icon icon, const std::string& title) override
    {
        calls.push_back({Call::Message, prompt, title, buttons, icon, {}});
        if (messageAnswers_.empty()) {
            // OK-only boxes need no script: their answer is never used.
            if (buttons == Buttons::Ok)
                return Answer::Ok;
            throw std::logic_error("unexpected message box: " + prompt);
        }
        Answer code = messageAnswers_.front();
        messageAnswers_.pop_front();
        return code;
    }

    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override
    {
        calls.push_back({Call::Input, prompt, title, Buttons::Ok, Icon::Information, defaultText});
        if (inputAnswers_.empty() && answerAnything)
            return defaultText;
        if (inputAnswers_.empty())
            throw std::logic_error("unexpected input box: " + prompt);
        std::string text = inputAnswers_.front();
        inputAnswers_.pop_front();
        return text;
    }

    // Benchmarks and fuzz targets script nothing: every message box is then
    // answered OK and every input box with its default.
    bool answerAnything = false;

    bool scriptUsedUp() const { return messageAnswers_.empty() && inputAnswers_.empty(); }

    std::vector<Call> calls;

private:
    std::deque<Answer> messageAnswers_;
    std::deque<std::string> inputAnswers_;
};

}  // namespace tavrel::testing
