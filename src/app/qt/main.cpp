#include <QApplication>

#include "app/qt/main_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationVersion(QStringLiteral("6.2"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Tavrel"));
    tavrel::Form1 window;
    window.show();
    return QApplication::exec();
}
