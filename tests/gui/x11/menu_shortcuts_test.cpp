// SPDX-License-Identifier: GPL-3.0-or-later
// Runs on a real X11 display (Xvfb), where the X11 key scheme lets a line
// edit claim some keys for itself: the offscreen platform's scheme hides that.
#include <QSignalSpy>

#include "gui/support/shown_window.h"
#include "gui/support/test_main.h"

using namespace tavrel;

class MenuShortcutsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    void everyShortcutWorksFromTheInputBox_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("answers");  // the dialogs the command shows, in order
        QTest::newRow("Ctrl+E") << "mnuCopy" << QStringList{};
        QTest::newRow("Ctrl+D") << "mnuDel" << QStringList{"No"};
        QTest::newRow("Ctrl+L") << "mnuClear" << QStringList{"No"};
        QTest::newRow("Ctrl+M") << "mnuMin" << QStringList{};
        QTest::newRow("Ctrl+T") << "mnuExit" << QStringList{};
        QTest::newRow("F1") << "mnuAbout" << QStringList{};
        QTest::newRow("F2") << "mnuMode1_0" << QStringList{};  // already the mode
        QTest::newRow("F3") << "mnuMode1_1" << QStringList{"No"};
        QTest::newRow("F4") << "mnuMode1_2" << QStringList{"No"};
        QTest::newRow("F6") << "mnuMode1_4" << QStringList{"No"};
        QTest::newRow("Shift+F1") << "mnuRange" << QStringList{"Cancel"};
        QTest::newRow("Shift+F2") << "mnuSet" << QStringList{"=1000", "=1"};
    }
    void everyShortcutWorksFromTheInputBox()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, answers);
        testing::ShownWindow s;  // no window manager gives it the focus: it activates itself
        QVERIFY(QTest::qWaitForWindowActive(&s.w));
        s.enter("12");
        s.w.list().setSelectedIndex(1);
        s.text1->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(s.text1));

        for (const QString& answer : answers)
            answer.startsWith('=') ? s.watch.typeText(answer.mid(1)) : s.watch.pressButton(answer);
        QSignalSpy triggered(s.action(qPrintable(action)), &QAction::triggered);
        const QKeyCombination keys = QKeySequence(QTest::currentDataTag())[0];
        QTest::keyClick(s.text1, keys.key(), keys.keyboardModifiers());
        QCOMPARE(triggered.count(), 1);
        QVERIFY(s.clean());
        if (s.w.aboutWindow())
            s.w.aboutWindow()->close();
    }
};

TAVREL_TEST_MAIN(MenuShortcutsTest)
#include "menu_shortcuts_test.moc"
