// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/support/test_main.h"

#include "gui/main_window/main_window.h"
#include "gui/common/twips.h"
#include "app/sizing_rule.h"
#include "gui/support/dialog_watch.h"

using namespace tavrel;
using tavrel::testing::DialogWatch;

namespace {

struct Shown {
    MainWindow w;
    QLineEdit* text1;
    QListView* list2;
    QLabel* label1;
    Shown()
    {
        w.show();
        QVERIFY_THROW(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        text1 = w.findChild<QLineEdit*>("Text1");
        list2 = w.findChild<QListView*>("List2");
        label1 = w.findChild<QLabel*>("Label1");
    }
    static void QVERIFY_THROW(bool ok)
    {
        if (!ok)
            qFatal("window not exposed");
    }
    void enter(const QString& text)
    {
        text1->setText(text);
        QTest::keyClick(text1, Qt::Key_Return);
    }
    // Shortcuts reach only the active window; a closed dialog may leave
    // activation elsewhere for a moment.
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            qWarning("main window did not become active");
        QTest::keyClick(&w, k, m);
    }
    QString line(int i) { return QString::fromStdString(std::string(w.list().line(i))); }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithDesignedState();
    void menuTree_data();
    void menuTree();
    void everyControlHasAnAccessibleName();
    void enterAndOkRunFactors();
    void zeroShowsTheMessageWithRunningInTheBox();
    void errorReportIsClearedByTheNextEnter();
    void functionKeysSwitchModeWithConfirmation();
    void lcmCannotBeChosen();
    void gcdCollectsOnEnterAndComputesOnOk();
    void doubleClickPutsARandomNumber();
    void sizingKeepsWidthAndMinimumHeight();
    void copyPutsTheLineOnTheClipboard();
    void deleteRemovesTheSelectedLine();
    void copyAndDeleteActOnTheHighlightedLineOnly_data();
    void copyAndDeleteActOnTheHighlightedLineOnly();
    void minimizeAndExit();
};

void MainWindowTest::startsWithDesignedState()
{
    Shown s;
    QCOMPARE(s.w.windowTitle(), QStringLiteral("Tavrel VI"));
    QCOMPARE(s.label1->text(), QStringLiteral("Find Factors"));
    QCOMPARE(s.label1->toolTip(), QStringLiteral("Double-click here to generate random number"));
    QCOMPARE(s.text1->toolTip(), QStringLiteral("Input"));
    QCOMPARE(s.text1->font().family(), QStringLiteral("Arial"));
    QVERIFY(s.text1->font().bold());
    QCOMPARE(s.text1->font().pointSizeF(), 9.75);
    QCOMPARE(s.w.settings().mode, Mode::Factors);
    QCOMPARE(s.w.settings().multiples.count, 1000);
    QCOMPARE(s.w.settings().multiples.multiplier, 1);
    QVERIFY(s.w.settings().workDir.ends_with('/'));
    QVERIFY(s.text1->text().isEmpty());
    QCOMPARE(s.list2->model()->rowCount(), 0);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(s.text1));
    auto* ok = s.w.findChild<QPushButton*>("cmdOK");
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QVERIFY(!ok->isDefault());
    // Tab cycles through what can be seen: input, list, OK, input again.
    for (QWidget* next : {static_cast<QWidget*>(s.list2), static_cast<QWidget*>(ok), static_cast<QWidget*>(s.text1)}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), next);
    }
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
    MainWindow w;
    auto* action = w.findChild<QAction*>(name);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->shortcut().toString(), shortcut);
    QCOMPARE(action->isEnabled(), enabled);
    QCOMPARE(action->isChecked(), checked);
    QStringList bar;
    for (QAction* a : w.menuBar()->actions())
        bar << a->text();
    QCOMPARE(bar, (QStringList{"&Window", "&Mode", "&List", "&Save", "&Print", "Se&ttings"}));
}

void MainWindowTest::everyControlHasAnAccessibleName()
{
    Shown s;
    for (const char* name : {"Label1", "Text1", "cmdOK", "List2"}) {
        auto* widget = s.w.findChild<QWidget*>(name);
        QVERIFY2(widget, name);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(iface, name);
        QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), name);
    }
}

void MainWindowTest::enterAndOkRunFactors()
{
    Shown s;
    QTest::keyClicks(s.text1, "36");
    QTest::keyClick(s.text1, Qt::Key_Return);
    QCOMPARE(s.w.list().count(), 11u);
    QCOMPARE(s.list2->model()->rowCount(), 11);
    QCOMPARE(s.list2->model()->index(4, 0).data().toString(), QStringLiteral("6 x 6"));
    QCOMPARE(s.text1->text(), QStringLiteral("36"));
    s.text1->setText("12");
    QTest::mouseClick(s.w.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QCOMPARE(s.line(2), QStringLiteral("3 x 4"));
    QCOMPARE(s.list2->model()->rowCount(), 9);
    QVERIFY(!QGuiApplication::overrideCursor());  // the busy cursor is gone again
}

void MainWindowTest::zeroShowsTheMessageWithRunningInTheBox()
{
    Shown s;
    DialogWatch watch;
    QString boxWhileOpen, prompt, title;
    watch.expect([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        prompt = box->text();
        title = box->windowTitle();
        boxWhileOpen = s.text1->text();
        box->accept();
    });
    s.enter("abc");
    QCOMPARE(prompt, QStringLiteral("Not in the valid range!"));
    QCOMPARE(title, QStringLiteral("Error!"));
    QCOMPARE(boxWhileOpen, QStringLiteral("Running..."));
    QCOMPARE(s.text1->text(), QStringLiteral("No solution"));
    QVERIFY(watch.allHandled());
}

void MainWindowTest::errorReportIsClearedByTheNextEnter()
{
    Shown s;
    s.enter("-5");
    QCOMPARE(s.line(0), QStringLiteral("ERROR!"));
    QCOMPARE(s.text1->text(), QStringLiteral("Running..."));
    s.enter("3000000000");
    QCOMPARE(s.line(1), QStringLiteral("Overflow"));
    QCOMPARE(s.text1->text(), QStringLiteral("3000000000"));
    s.enter("7");
    QCOMPARE(s.line(0), QStringLiteral("1 x 7"));
}

void MainWindowTest::functionKeysSwitchModeWithConfirmation()
{
    Shown s;
    s.enter("36");
    DialogWatch watch;
    QString question, questionTitle, clearTitle, labelWhileAsked;
    watch.pressButton("No", &question, &questionTitle);
    s.key(Qt::Key_F4);
    QCOMPARE(question, QStringLiteral("Confirm change mode from 'Find Factors' to 'Find GCD/HCF' ?"));
    QCOMPARE(questionTitle, QStringLiteral("Confirm change mode?"));
    QCOMPARE(s.w.settings().mode, Mode::Factors);
    QVERIFY(s.w.findChild<QAction*>("mnuMode1_0")->isChecked());
    QVERIFY(!s.w.findChild<QAction*>("mnuMode1_2")->isChecked());
    QCOMPARE(s.label1->text(), QStringLiteral("Find Factors"));

    watch.pressButton("Yes");
    watch.expect([&](QWidget* w) {
        labelWhileAsked = s.label1->text();
        clearTitle = w->windowTitle();
        static_cast<QMessageBox*>(w)->button(QMessageBox::No)->click();
    });
    s.key(Qt::Key_F4);
    QCOMPARE(s.w.settings().mode, Mode::GcdHcf);
    QCOMPARE(labelWhileAsked, QStringLiteral("Find GCD/HCF"));
    QCOMPARE(clearTitle, QStringLiteral("Clear list box?"));
    QVERIFY(s.w.findChild<QAction*>("mnuMode1_2")->isChecked());
    QVERIFY(!s.w.findChild<QAction*>("mnuMode1_0")->isChecked());
    QCOMPARE(s.w.list().count(), 11u);

    // The ticked mode asks nothing.
    s.key(Qt::Key_F4);
    watch.pressButton("Yes");
    watch.pressButton("Yes");
    s.key(Qt::Key_F6);
    QCOMPARE(s.w.settings().mode, Mode::SquareRoots);
    QCOMPARE(s.w.list().count(), 0u);
    QCOMPARE(s.list2->model()->rowCount(), 0);
    QVERIFY(watch.allHandled());
    QVERIFY(watch.unexpected().isEmpty());
}

void MainWindowTest::lcmCannotBeChosen()
{
    Shown s;
    DialogWatch watch;
    s.key(Qt::Key_F5);
    s.w.findChild<QAction*>("mnuMode1_3")->trigger();
    QTest::qWait(50);
    QCOMPARE(s.w.settings().mode, Mode::Factors);
    QVERIFY(watch.unexpected().isEmpty());
}

void MainWindowTest::gcdCollectsOnEnterAndComputesOnOk()
{
    Shown s;
    s.w.settings().mode = Mode::GcdHcf;
    for (const char* n : {"12", "18", "30.9"})
        s.enter(n);
    QCOMPARE(s.list2->model()->rowCount(), 3);
    QCOMPARE(s.line(2), QStringLiteral("30"));
    QVERIFY(s.text1->text().isEmpty());
    DialogWatch watch;
    QString prompt, title;
    watch.pressButton("OK", &prompt, &title);
    QTest::mouseClick(s.w.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QCOMPARE(prompt, QStringLiteral("The GCD/HCF of all the numbers in the list is: 6"));
    QCOMPARE(title, QStringLiteral("GCD/HCF"));
    QCOMPARE(s.text1->text(), QStringLiteral("6"));
}

void MainWindowTest::doubleClickPutsARandomNumber()
{
    Shown s;
    s.enter("36");
    s.list2->setFocus();
    QTest::mouseDClick(s.label1, Qt::LeftButton);
    bool ok = false;
    const int n = s.text1->text().toInt(&ok);
    QVERIFY(ok);
    QVERIFY(n >= 0 && n <= 99999999);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(s.text1));
    QCOMPARE(s.w.list().count(), 11u);
}

void MainWindowTest::sizingKeepsWidthAndMinimumHeight()
{
    Shown s;
    const int width = s.w.width();
    QCOMPARE(width, twipsToPixels(&s.w, kClientWidth));
    const int minHeight = s.w.minimumHeight();
    s.w.resize(width + 200, minHeight - 50);
    QTRY_COMPARE(s.w.width(), width);
    QTRY_COMPARE(s.w.height(), minHeight);
    auto listHeightFor = [&](int clientPx) {
        return twipsToPixels(&s.w, applySizingRule(pixelsToTwips(&s.w, clientPx) + kFrameHeight).listHeight);
    };
    QCOMPARE(s.list2->height(), listHeightFor(s.w.centralWidget()->height()));
    s.w.resize(width - 100, minHeight + 150);
    QTRY_COMPARE(s.w.height(), minHeight + 150);
    QCOMPARE(s.w.width(), width);
    QCOMPARE(s.list2->height(), listHeightFor(s.w.centralWidget()->height()));
    QVERIFY(s.list2->height() > twipsToPixels(&s.w, 2460));
}

void MainWindowTest::copyPutsTheLineOnTheClipboard()
{
    Shown s;
    s.enter("12");
    QGuiApplication::clipboard()->setText("untouched");
    s.key(Qt::Key_E, Qt::ControlModifier);  // nothing selected yet
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    s.list2->setCurrentIndex(s.list2->model()->index(1, 0));
    s.key(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2 x 6"));
    QCOMPARE(s.w.list().count(), 9u);
}

void MainWindowTest::deleteRemovesTheSelectedLine()
{
    Shown s;
    s.enter("12");
    s.list2->setCurrentIndex(s.list2->model()->index(1, 0));
    DialogWatch watch;
    QString prompt;
    watch.pressButton("Yes", &prompt);
    s.key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(prompt, QStringLiteral("Confirm delete the following entry?\n2 x 6"));
    QCOMPARE(s.list2->model()->rowCount(), 8);
    QCOMPARE(s.line(1), QStringLiteral("3 x 4"));
    // Nothing selected now: asks nothing, deletes nothing.
    s.key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(s.list2->model()->rowCount(), 8);
    QVERIFY(watch.unexpected().isEmpty());
}

void MainWindowTest::copyAndDeleteActOnTheHighlightedLineOnly_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("entry");  // empty: no line is highlighted
    QTest::newRow("tab into the list") << "tab" << "";
    QTest::newRow("arrow key") << "down" << "2 x 6";
    QTest::newRow("mouse click") << "click" << "3 x 4";
    QTest::newRow("ctrl+click takes it off") << "ctrl+click" << "";
}

void MainWindowTest::copyAndDeleteActOnTheHighlightedLineOnly()
{
    QFETCH(QString, how);
    QFETCH(QString, entry);
    Shown s;
    s.enter("12");
    QTest::keyClick(s.text1, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(s.list2));
    const QPoint thirdLine = s.list2->visualRect(s.list2->model()->index(2, 0)).center();
    if (how == "down")
        QTest::keyClick(s.list2, Qt::Key_Down);
    if (how == "click" || how == "ctrl+click")
        QTest::mouseClick(s.list2->viewport(), Qt::LeftButton, {}, thirdLine);
    if (how == "ctrl+click")
        QTest::mouseClick(s.list2->viewport(), Qt::LeftButton, Qt::ControlModifier, thirdLine);

    QGuiApplication::clipboard()->setText("untouched");
    DialogWatch watch;
    QString prompt;
    if (!entry.isEmpty())
        watch.pressButton("No", &prompt);
    QTest::keyClick(s.list2, Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(s.list2, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), entry.isEmpty() ? QStringLiteral("untouched") : entry);
    QCOMPARE(prompt, entry.isEmpty() ? QString() : "Confirm delete the following entry?\n" + entry);
    QVERIFY(watch.allHandled());
    QVERIFY(watch.unexpected().isEmpty());
    QCOMPARE(s.w.list().count(), 9u);
}

void MainWindowTest::minimizeAndExit()
{
    Shown s;
    s.key(Qt::Key_M, Qt::ControlModifier);
    QTRY_VERIFY(s.w.windowState() & Qt::WindowMinimized);
    s.w.showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(&s.w));
    s.w.activateWindow();
    QTemporaryDir workDir;
    s.w.settings().workDir = (workDir.path() + "/").toStdString();
    s.key(Qt::Key_F1);
    QTRY_VERIFY(s.w.aboutWindow() && s.w.aboutWindow()->isVisible());
    QPointer<QWidget> about = s.w.aboutWindow();
    s.key(Qt::Key_T, Qt::ControlModifier);
    QTRY_VERIFY(!s.w.isVisible());
    QTRY_VERIFY(!about);  // closed, and gone with it
}

TAVREL_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
