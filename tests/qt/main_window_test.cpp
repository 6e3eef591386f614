#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "app/qt/main_window.h"
#include "app/sizing_rule.h"
#include "app/qt/twips.h"
#include "support/scripted_dialogs.h"

using namespace tavrel;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithDesignedState();
    void menuTree_data();
    void menuTree();
    void enterRunsFactors();
};

void MainWindowTest::startsWithDesignedState()
{
    Form1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tavrel VI"));
    QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QStringLiteral("Find Factors"));
    QCOMPARE(w.vars().LastMode, 0);
    QCOMPARE(w.vars().MaxMultiples, 1000);
    QTRY_COMPARE(QApplication::focusWidget(), w.findChild<QLineEdit*>("Text1"));
}

void MainWindowTest::menuTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    QTest::newRow("mnuMin") << "mnuMin" << "&Minimize" << "Ctrl+M" << true << false;
    QTest::newRow("mnuExit") << "mnuExit" << "&Exit" << "Ctrl+T" << true << false;
    QTest::newRow("mnuAbout") << "mnuAbout" << "&Help" << "F1" << true << false;
    QTest::newRow("mode0") << "mnuMode1_0" << "Find Factors" << "F2" << true << true;
    QTest::newRow("mode1") << "mnuMode1_1" << "Find Multiples" << "F3" << true << false;
    QTest::newRow("mode2") << "mnuMode1_2" << "Find GCD/HCF" << "F4" << true << false;
    QTest::newRow("mode3") << "mnuMode1_3" << "Find LCM" << "F5" << false << false;
    QTest::newRow("mode4") << "mnuMode1_4" << "Square Roots" << "F6" << true << false;
    QTest::newRow("mnuCopy") << "mnuCopy" << "Copy selected &entry" << "Ctrl+E" << true << false;
    QTest::newRow("mnuDel") << "mnuDel" << "&Delete selected entry" << "Ctrl+D" << true << false;
    QTest::newRow("mnuClear") << "mnuClear" << "Clear &list" << "Ctrl+L" << true << false;
    QTest::newRow("mnuSave") << "mnuSave" << "&Save" << "" << true << false;
    QTest::newRow("mnuPrint") << "mnuPrint" << "&Print" << "" << true << false;
    QTest::newRow("mnuRange") << "mnuRange" << "Define &Ranges" << "Shift+F1" << true << false;
    QTest::newRow("mnuSet") << "mnuSet" << "&Multiples" << "Shift+F2" << true << false;
}

void MainWindowTest::menuTree()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    Form1 w;
    auto* action = w.findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut().toString(), shortcut);
    QCOMPARE(action->isEnabled(), enabled);
    QCOMPARE(action->isChecked(), checked);
}

void MainWindowTest::enterRunsFactors()
{
    Form1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* text1 = w.findChild<QLineEdit*>("Text1");
    QTest::keyClicks(text1, "36");
    QTest::keyClick(text1, Qt::Key_Return);
    QCOMPARE(w.list().count(), 11u);
    QCOMPARE(std::string(w.list().line(0)), std::string("1 x 36"));
    QCOMPARE(text1->text(), QStringLiteral("36"));
    QCOMPARE(w.findChild<QListView*>("List2")->model()->rowCount(), 11);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
