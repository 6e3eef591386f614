// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <QPointer>

#include "platform/dialogs.h"

namespace tavrel {

// The message box and input box on QMessageBox and QInputDialog.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}

    Answer messageBox(const std::string& prompt, Buttons buttons, Icon icon, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;

private:
    QPointer<QWidget> parent_;
};

// Our texts separate lines with a lone carriage return; Qt wants "\n".
QString dialogText(const std::string& text);

}  // namespace tavrel
