// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "gui/command_line.h"
#include "gui/main_window/main_window.h"
#include "tavrel/version.h"

int main(int argc, char* argv[])
{
    // Before QApplication: --help and --version must answer without a display.
    if (const auto status = tavrel::handleCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationVersion(QString::fromUtf8(tavrel::kVersion.data(), tavrel::kVersion.size()));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tavrel"));
    tavrel::MainWindow window;
    window.show();
    return QApplication::exec();
}
