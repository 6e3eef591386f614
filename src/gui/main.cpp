// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <optional>

#include "gui/command_line.h"
#include "gui/main_window/main_window.h"
#include "tavrel/version.h"

using namespace tavrel;

int main(int argc, char* argv[])
{
    // Before QApplication: --help and --version must answer without a display.
    if (const auto status = handleCommandLine(argc, argv))
        return *status;
    std::optional<DisplayFailureAsError> opening(std::in_place, argv[0]);
    QApplication app(argc, argv);
    opening.reset();
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationVersion(QString::fromUtf8(kVersion.data(), kVersion.size()));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tavrel"));
    MainWindow window;
    window.show();
    return QApplication::exec();
}
