// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QGuiApplication>

#include "platform/clipboard.h"

namespace tavrel {

class QtClipboard : public Clipboard {
public:
    void setText(const std::string& text) override
    {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text), QClipboard::Clipboard);
    }
};

}  // namespace tavrel
