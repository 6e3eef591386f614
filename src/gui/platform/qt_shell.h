// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDesktopServices>
#include <QUrl>

#include "platform/shell.h"

namespace tavrel {

// Hands web addresses to the desktop (xdg-open on Linux). The result is not
// looked at: a browser that fails to start changes nothing here.
class QtShell : public Shell {
public:
    void open(const std::string& address) override
    {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::StrictMode));
    }
};

}  // namespace tavrel
