// SPDX-License-Identifier: GPL-3.0-or-later
// Runs on a virtual X11 display under a real window manager, which is what
// hands out focus, decorates and places windows and decides what a window may
// do. ctest runs it under openbox and metacity, with the GTK platform theme,
// at a scale factor of 2, and under no window manager, where nobody but the
// program itself moves the keyboard from window to window.
#include <QAccessible>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>

#include "gui/about_window/about_window.h"
#include "gui/common/twips.h"
#include "gui/support/shown_window.h"
#include "gui/support/test_main.h"

using namespace tavrel;
using tavrel::testing::ShownWindow;

namespace {

// What the window manager has put on a window, as xprop shows it.
QString windowProperty(const QWidget* window, const char* property)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window->winId()), QString::fromLatin1(property)});
    xprop.waitForFinished();
    return QString::fromLatin1(xprop.readAllStandardOutput());
}

bool windowManagerRuns()
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    xprop.waitForFinished();
    return xprop.readAllStandardOutput().contains("window id");
}

// A key as the keyboard delivers it: to the control that has the focus.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
    QStringList urls_;

public slots:
    void recordUrl(const QUrl& url) { urls_ << url.toString(); }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        // The about window's buttons must not start a browser.
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "recordUrl");
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    void cleanup() { QApplication::setFont(QFont()); }

    void everyMenuTitleShows_data()
    {
        QTest::addColumn<qreal>("points");  // 0: Qt's own font for the platform
        QTest::newRow("platform font") << 0.0;
        QTest::newRow("10 pt") << 10.0;
        QTest::newRow("11 pt") << 11.0;
        QTest::newRow("14 pt") << 14.0;
    }
    void everyMenuTitleShows()
    {
        QFETCH(qreal, points);
        if (points > 0) {
            QFont font = QApplication::font();
            font.setPointSizeF(points);
            QApplication::setFont(font);
        }
        ShownWindow s;
        QMenuBar* bar = s.w.menuBar();
        QTest::qWait(50);  // the window measures its bar again after a font change
        for (QAction* title : bar->actions())
            QVERIFY2(bar->rect().contains(bar->actionGeometry(title)), qPrintable(title->text()));
        const auto* extension = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(!extension || !extension->isVisible());
        // The width stays fixed, and the controls where they were designed.
        QCOMPARE(s.w.minimumWidth(), s.w.maximumWidth());
        QCOMPARE(s.w.centralWidget()->pos().x(), 0);
        QCOMPARE(s.text1->pos(), twipsRect(s.text1, 1560, 0, 0, 0).topLeft());
    }

    void helpTakesTheKeyboardAndGivesItBack_data()
    {
        QTest::addColumn<QString>("control");  // that has the focus when Help is asked for
        QTest::addColumn<QString>("closeBy");
        QTest::newRow("input box, Escape") << "Text1"
                                           << "Escape";
        QTest::newRow("list, Escape") << "List2"
                                      << "Escape";
        QTest::newRow("OK, Escape") << "cmdOK"
                                    << "Escape";
        QTest::newRow("list, close box") << "List2"
                                         << "close";
    }
    void helpTakesTheKeyboardAndGivesItBack()
    {
        QFETCH(QString, control);
        QFETCH(QString, closeBy);
        ShownWindow s;
        auto* had = s.w.findChild<QWidget*>(control);
        had->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), had);

        press(Qt::Key_F1);
        QPointer<QWidget> about = s.w.aboutWindow();
        QVERIFY(about);
        QTRY_COMPARE(QApplication::activeWindow(), about.data());
        QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->window() == about);

        closeBy == "Escape" ? press(Qt::Key_Escape) : void(about->close());
        QTRY_VERIFY(!about);
        QTRY_COMPARE(QApplication::activeWindow(), &s.w);
        QTRY_COMPARE(QApplication::focusWidget(), had);
    }

    void aboutWindowKeysAndKind_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("mainStays");
        QTest::newRow("Escape closes it") << int(Qt::Key_Escape) << int(Qt::NoModifier) << true;
        QTest::newRow("Ctrl+T ends the program") << int(Qt::Key_T) << int(Qt::ControlModifier) << false;
    }
    void aboutWindowKeysAndKind()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, mainStays);
        ShownWindow s;
        press(Qt::Key_F1);
        QPointer<QWidget> about = s.w.aboutWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));

        // A window to a screen reader, kept out of the task bar, blocking nothing.
        const QAccessible::Role role = QAccessible::queryAccessibleInterface(about)->role();
        // Task bars leave out utility windows; some window managers say so outright.
        QVERIFY(windowProperty(about, "_NET_WM_WINDOW_TYPE").contains("_NET_WM_WINDOW_TYPE_UTILITY") ||
                windowProperty(about, "_NET_WM_STATE").contains("_NET_WM_STATE_SKIP_TASKBAR"));
        QVERIFY(!QApplication::activeModalWidget());

        press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(!about);
        QCOMPARE(s.w.isVisible(), mainStays);
        QVERIFY2(role == QAccessible::Dialog || role == QAccessible::Window, qPrintable(QString::number(role)));
    }

    void aboutWindowStaysOnTheScreen_data()
    {
        QTest::addColumn<qreal>("height");  // where the main window's top is: a share of the free height
        QTest::newRow("main window high") << 0.05;
        QTest::newRow("main window halfway") << 0.5;
        QTest::newRow("main window at the bottom") << 1.0;
    }
    void aboutWindowStaysOnTheScreen()
    {
        QFETCH(qreal, height);
        if (!windowManagerRuns())
            QSKIP("frames come from a window manager");
        ShownWindow s;
        const QRect screen = s.w.screen()->availableGeometry();
        QTRY_VERIFY(s.w.frameGeometry() != s.w.geometry());  // decorated
        const int top = screen.top() + int(height * (screen.height() - s.w.frameGeometry().height()));
        s.w.move(screen.left(), top);
        QTRY_COMPARE(s.w.frameGeometry().top(), top);

        press(Qt::Key_F1);
        QWidget* about = s.w.aboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QTRY_VERIFY(about->frameGeometry() != about->geometry());
        const QRect frame = about->frameGeometry();
        QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4 beyond the screen")
                                                        .arg(frame.x())
                                                        .arg(frame.y())
                                                        .arg(frame.width())
                                                        .arg(frame.height())));
        // Beside the main window and level with its top, or moved no further than needed.
        const QPoint designed(screen.left() + s.w.frameGeometry().width(), top);
        const QPoint expected(std::min(designed.x(), screen.right() + 1 - frame.width()),
                              std::min(designed.y(), screen.bottom() + 1 - frame.height()));
        QVERIFY2((frame.topLeft() - expected).manhattanLength() <= 4, qPrintable(QStringLiteral("at %1,%2, not %3,%4")
                                                                                     .arg(frame.x())
                                                                                     .arg(frame.y())
                                                                                     .arg(expected.x())
                                                                                     .arg(expected.y())));
        about->close();
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<bool>("inAbout");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("okClicks");  // how often OK runs
        QTest::addColumn<QStringList>("urls");
        const QStringList none;
        QTest::newRow("OK, Return") << false << "cmdOK" << int(Qt::Key_Return) << 1 << none;
        QTest::newRow("OK, keypad Enter") << false << "cmdOK" << int(Qt::Key_Enter) << 1 << none;
        QTest::newRow("input box, Return") << false << "Text1" << int(Qt::Key_Return) << 0 << none;
        QTest::newRow("input box, keypad Enter") << false << "Text1" << int(Qt::Key_Enter) << 0 << none;
        QTest::newRow("quillo, Return") << true << "cmd_quillo" << int(Qt::Key_Return) << 0 << QStringList{""};
        QTest::newRow("Online Help, keypad Enter")
            << true << "cmd_Help" << int(Qt::Key_Enter) << 0 << QStringList{"help/tavrel/"};
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(bool, inAbout);
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(int, okClicks);
        QFETCH(QStringList, urls);
        ShownWindow s;
        s.text1->setText(QStringLiteral("12"));
        QSignalSpy ok(s.w.findChild<QPushButton*>("cmdOK"), &QPushButton::clicked);
        QWidget* window = &s.w;
        if (inAbout) {
            press(Qt::Key_F1);
            window = s.w.aboutWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
        }
        auto* focused = window->findChild<QWidget*>(control);
        focused->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), focused);
        urls_.clear();

        press(Qt::Key(key));
        QCOMPARE(ok.count(), okClicks);
        QCOMPARE(urls_.size(), urls.size());
        for (int i = 0; i < urls.size(); ++i)
            QVERIFY2(urls_.at(i).endsWith(QStringLiteral("/") + urls.at(i)), qPrintable(urls_.at(i)));
        if (!inAbout && control == "Text1")
            QCOMPARE(s.line(0), QStringLiteral("1 x 12"));  // the input box's own Enter ran
        if (inAbout)
            window->close();
    }

    void saveDialogHasATitle()
    {
        ShownWindow s;
        QString title;
        s.watch.expect([&title](QWidget* dialog) {
            title = dialog->windowTitle();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        s.watch.pressButton("OK");  // a cancelled save says it failed
        s.action("mnuSave")->trigger();
        QTRY_VERIFY(s.clean());
        QCOMPARE(title, QStringLiteral("Save As"));
    }

    void dialogsOpenOverTheMainWindow_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("dialogs");  // how many it asks, the save dialog left out
        // Under metacity a box shown while the desktop's chooser is still
        // going away may land far from the main window: it is a race, so
        // several tries.
        for (int i = 1; i <= 4; ++i)
            QTest::addRow("message box after the save dialog, %d", i) << "mnuSave" << 1;
        QTest::newRow("input boxes") << "mnuSet" << 2;
    }
    void dialogsOpenOverTheMainWindow()
    {
        QFETCH(QString, command);
        QFETCH(int, dialogs);
        ShownWindow s;
        QTRY_VERIFY(s.w.frameGeometry().isValid());
        if (command == "mnuSave")
            s.watch.expect([](QWidget* chooser) { qobject_cast<QDialog*>(chooser)->reject(); });
        QList<QPoint> centres;
        for (int i = 0; i < dialogs; ++i)
            s.watch.expect([&centres](QWidget* dialog) {
                const bool shown = QTest::qWaitForWindowExposed(dialog);
                QTest::qWait(200);  // placed by the window manager
                centres << (shown ? dialog->frameGeometry().center() : QPoint(-1, -1));
                if (auto* input = qobject_cast<QInputDialog*>(dialog))
                    input->accept();  // the value offered stands
                else
                    qobject_cast<QDialog*>(dialog)->reject();
            });
        s.action(qPrintable(command))->trigger();
        QTRY_VERIFY(s.clean());
        QCOMPARE(centres.size(), dialogs);
        for (const QPoint& centre : centres)
            QVERIFY2(s.w.frameGeometry().contains(centre),
                     qPrintable(QStringLiteral("centred at %1,%2; main window at %3,%4 %5x%6")
                                    .arg(centre.x())
                                    .arg(centre.y())
                                    .arg(s.w.frameGeometry().x())
                                    .arg(s.w.frameGeometry().y())
                                    .arg(s.w.frameGeometry().width())
                                    .arg(s.w.frameGeometry().height())));
    }

    void neverStretchedByMaximising_data()
    {
        QTest::addColumn<bool>("about");
        QTest::newRow("main window") << false;
        QTest::newRow("about window") << true;
    }
    void neverStretchedByMaximising()
    {
        QFETCH(bool, about);
        if (!windowManagerRuns())
            QSKIP("maximising is up to a window manager");
        ShownWindow s;
        QWidget* window = &s.w;
        if (about) {
            press(Qt::Key_F1);
            window = s.w.aboutWindow();
            QVERIFY(QTest::qWaitForWindowExposed(window));
        }
        QTRY_VERIFY(windowProperty(window, "_NET_WM_ALLOWED_ACTIONS").contains("_NET_WM_ACTION_MOVE"));
        const int width = window->width();
        // What Alt+F10 or a double-click on the title bar asks the window manager for.
        window->showMaximized();
        QTest::qWait(500);
        QCOMPARE(window->width(), width);
        if (about)
            window->close();
    }
};

TAVREL_TEST_MAIN(DesktopTest)
#include "desktop_test.moc"
