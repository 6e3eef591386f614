// SPDX-License-Identifier: GPL-3.0-or-later
// Runs on a real X11 display (Xvfb), where the X11 key scheme lets a line
// edit claim some keys for itself: the offscreen platform's scheme hides that.
#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/support/test_main.h"

#include "gui/main_window/main_window.h"
#include "gui/support/dialog_watch.h"

using namespace tavrel;
using tavrel::testing::DialogWatch;

class MenuShortcutsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyShortcutWorksFromTheInputBox_data();
    void everyShortcutWorksFromTheInputBox();
};

void MenuShortcutsTest::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void MenuShortcutsTest::everyShortcutWorksFromTheInputBox_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QStringList>("answers");  // the dialogs the command shows, in order
    QTest::newRow("Ctrl+E") << "mnuCopy" << QKeySequence("Ctrl+E") << QStringList{};
    QTest::newRow("Ctrl+D") << "mnuDel" << QKeySequence("Ctrl+D") << QStringList{"No"};
    QTest::newRow("Ctrl+L") << "mnuClear" << QKeySequence("Ctrl+L") << QStringList{"No"};
    QTest::newRow("Ctrl+M") << "mnuMin" << QKeySequence("Ctrl+M") << QStringList{};
    QTest::newRow("Ctrl+T") << "mnuExit" << QKeySequence("Ctrl+T") << QStringList{};
    QTest::newRow("F1") << "mnuAbout" << QKeySequence("F1") << QStringList{};
    QTest::newRow("F2") << "mnuMode1_0" << QKeySequence("F2") << QStringList{};  // already the mode
    QTest::newRow("F3") << "mnuMode1_1" << QKeySequence("F3") << QStringList{"No"};
    QTest::newRow("F4") << "mnuMode1_2" << QKeySequence("F4") << QStringList{"No"};
    QTest::newRow("F6") << "mnuMode1_4" << QKeySequence("F6") << QStringList{"No"};
    QTest::newRow("Shift+F1") << "mnuRange" << QKeySequence("Shift+F1") << QStringList{"Cancel"};
    QTest::newRow("Shift+F2") << "mnuSet" << QKeySequence("Shift+F2") << QStringList{"=1000", "=1"};
}

void MenuShortcutsTest::everyShortcutWorksFromTheInputBox()
{
    QFETCH(QString, action);
    QFETCH(QKeySequence, keys);
    QFETCH(QStringList, answers);
    QTemporaryDir workDir;
    MainWindow w;
    w.settings().workDir = (workDir.path() + "/").toStdString();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();  // no window manager gives it the focus
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* input = w.findChild<QLineEdit*>("Text1");
    input->setText("12");
    QTest::keyClick(input, Qt::Key_Return);
    w.list().setSelectedIndex(1);
    input->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(input));

    DialogWatch watch;
    for (const QString& answer : answers) {
        if (answer.startsWith('='))
            watch.typeText(answer.mid(1));
        else
            watch.pressButton(answer);
    }
    QSignalSpy triggered(w.findChild<QAction*>(action), &QAction::triggered);
    QTest::keyClick(input, keys[0].key(), keys[0].keyboardModifiers());
    QCOMPARE(triggered.count(), 1);
    QVERIFY(watch.allHandled());
    QVERIFY(watch.unexpected().isEmpty());
    if (w.aboutWindow())
        w.aboutWindow()->close();
}

TAVREL_TEST_MAIN(MenuShortcutsTest)
#include "menu_shortcuts_test.moc"
