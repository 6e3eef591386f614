// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tavrel {

// The main window's one-line input box, read and replaced as a whole. Writes
// must reach the screen at once: a dialog shown in the middle of a run has to
// see "Running..." in the box.
class InputBox {
public:
    virtual ~InputBox() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

// An input box without a window, for the core's own use and for tests.
class PlainInputBox : public InputBox {
public:
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }

private:
    std::string text_;
};

}  // namespace tavrel
