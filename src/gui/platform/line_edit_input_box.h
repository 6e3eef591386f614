// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPointer>

#include "platform/input_box.h"

namespace tavrel {

// The input box over the real QLineEdit, so that every write is on screen at
// once (a dialog in the middle of a run shows "Running..." behind it).
class LineEditInputBox : public InputBox {
public:
    explicit LineEditInputBox(QLineEdit* edit) : edit_(edit) {}
    std::string text() const override { return edit_ ? edit_->text().toStdString() : std::string(); }
    void setText(const std::string& text) override
    {
        if (edit_)
            edit_->setText(QString::fromStdString(text));
    }

private:
    QPointer<QLineEdit> edit_;
};

}  // namespace tavrel
