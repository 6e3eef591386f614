// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QStringList>

namespace tavrel {

// Reads the arguments before any QApplication exists, so that --help and
// --version answer without a display. Returns the exit status when the
// program should stop there, or nothing when the window should be built.
// Qt's own options (-platform, -style, ...) are accepted and left for
// QApplication, which reads them from argv afterwards.
std::optional<int> handleCommandLine(const QStringList& arguments);

// The same for main()'s arguments, decoded as the locale does.
std::optional<int> handleCommandLine(int argc, const char* const* argv);

// Holds back Qt's messages while the application object opens the display.
// When no display can be opened, Qt would print several lines and abort;
// instead the program says so in one line and exits with status 1. Once the
// display is open, the held messages go out as usual.
class DisplayFailureAsError {
public:
    explicit DisplayFailureAsError(const char* program);
    ~DisplayFailureAsError();
    DisplayFailureAsError(const DisplayFailureAsError&) = delete;
    DisplayFailureAsError& operator=(const DisplayFailureAsError&) = delete;
};

}  // namespace tavrel
