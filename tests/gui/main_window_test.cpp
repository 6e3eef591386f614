// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QClipboard>
#include <QMenuBar>
#include <QMessageBox>

#include "app/sizing_rule.h"
#include "gui/common/twips.h"
#include "gui/support/shown_window.h"
#include "gui/support/test_main.h"

using namespace tavrel;
using tavrel::testing::ShownWindow;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithDesignedState()
    {
        ShownWindow s;
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
        QVERIFY(MainWindow().settings().workDir.ends_with('/'));  // the fixture moves its own elsewhere
        QVERIFY(s.text1->text().isEmpty());
        QCOMPARE(s.rows(), 0);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(s.text1));
        auto* ok = s.w.findChild<QPushButton*>("cmdOK");
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QVERIFY(!ok->isDefault());
        // Tab cycles through what can be seen: input, list, OK, input again.
        for (QWidget* next :
             {static_cast<QWidget*>(s.list2), static_cast<QWidget*>(ok), static_cast<QWidget*>(s.text1)}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), next);
        }
    }

    void menuTree_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        QTest::newRow("mnuMin") << "&Minimize"
                                << "Ctrl+M" << true << false;
        QTest::newRow("mnuExit") << "&Exit"
                                 << "Ctrl+T" << true << false;
        QTest::newRow("mnuAbout") << "&Help"
                                  << "F1" << true << false;
        QTest::newRow("mnuMode1_0") << "Find Factors"
                                    << "F2" << true << true;
        QTest::newRow("mnuMode1_1") << "Find Multiples"
                                    << "F3" << true << false;
        QTest::newRow("mnuMode1_2") << "Find GCD/HCF"
                                    << "F4" << true << false;
        QTest::newRow("mnuMode1_3") << "Find LCM"
                                    << "F5" << false << false;
        QTest::newRow("mnuMode1_4") << "Square Roots"
                                    << "F6" << true << false;
        QTest::newRow("mnuCopy") << "Copy selected &entry"
                                 << "Ctrl+E" << true << false;
        QTest::newRow("mnuDel") << "&Delete selected entry"
                                << "Ctrl+D" << true << false;
        QTest::newRow("mnuClear") << "Clear &list"
                                  << "Ctrl+L" << true << false;
        QTest::newRow("mnuSave") << "&Save"
                                 << "" << true << false;
        QTest::newRow("mnuPrint") << "&Print"
                                  << "" << true << false;
        QTest::newRow("mnuRange") << "Define &Ranges"
                                  << "Shift+F1" << true << false;
        QTest::newRow("mnuSet") << "&Multiples"
                                << "Shift+F2" << true << false;
    }
    void menuTree()
    {
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        MainWindow w;
        auto* action = w.findChild<QAction*>(QTest::currentDataTag());
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

    void everyControlHasAnAccessibleName()
    {
        ShownWindow s;
        for (const char* name : {"Label1", "Text1", "cmdOK", "List2"}) {
            auto* widget = s.w.findChild<QWidget*>(name);
            QVERIFY2(widget, name);
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(iface && !iface->text(QAccessible::Name).isEmpty(), name);
        }
    }

    void enterAndOkRunFactors()
    {
        ShownWindow s;
        QTest::keyClicks(s.text1, "36");
        QTest::keyClick(s.text1, Qt::Key_Return);
        QCOMPARE(s.w.list().count(), 11u);
        QCOMPARE(s.rows(), 11);
        QCOMPARE(s.line(4), QStringLiteral("6 x 6"));
        QCOMPARE(s.text1->text(), QStringLiteral("36"));
        s.text1->setText("12");
        s.ok();
        QCOMPARE(s.line(2), QStringLiteral("3 x 4"));
        QCOMPARE(s.rows(), 9);
        QVERIFY(!QGuiApplication::overrideCursor());  // the busy cursor is gone again
    }

    void zeroShowsTheMessageWithRunningInTheBox()
    {
        ShownWindow s;
        QString boxWhileOpen, prompt, title;
        s.watch.expect([&](QWidget* w) {
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
        QVERIFY(s.watch.allHandled());
    }

    void errorReportIsClearedByTheNextEnter()
    {
        ShownWindow s;
        s.enter("-5");
        QCOMPARE(s.line(0), QStringLiteral("ERROR!"));
        QCOMPARE(s.text1->text(), QStringLiteral("Running..."));
        s.enter("3000000000");
        QCOMPARE(s.line(1), QStringLiteral("Overflow"));
        QCOMPARE(s.text1->text(), QStringLiteral("3000000000"));
        s.enter("7");
        QCOMPARE(s.line(0), QStringLiteral("1 x 7"));
    }

    void functionKeysSwitchModeWithConfirmation()
    {
        ShownWindow s;
        s.enter("36");
        QString question, questionTitle, clearTitle, labelWhileAsked;
        s.watch.pressButton("No", &question, &questionTitle);
        s.key(Qt::Key_F4);
        QCOMPARE(question, QStringLiteral("Confirm change mode from 'Find Factors' to 'Find GCD/HCF' ?"));
        QCOMPARE(questionTitle, QStringLiteral("Confirm change mode?"));
        QCOMPARE(s.w.settings().mode, Mode::Factors);
        QVERIFY(s.action("mnuMode1_0")->isChecked());
        QVERIFY(!s.action("mnuMode1_2")->isChecked());
        QCOMPARE(s.label1->text(), QStringLiteral("Find Factors"));

        s.watch.pressButton("Yes");
        s.watch.expect([&](QWidget* w) {
            labelWhileAsked = s.label1->text();
            clearTitle = w->windowTitle();
            static_cast<QMessageBox*>(w)->button(QMessageBox::No)->click();
        });
        s.key(Qt::Key_F4);
        QCOMPARE(s.w.settings().mode, Mode::GcdHcf);
        QCOMPARE(labelWhileAsked, QStringLiteral("Find GCD/HCF"));
        QCOMPARE(clearTitle, QStringLiteral("Clear list box?"));
        QVERIFY(s.action("mnuMode1_2")->isChecked());
        QVERIFY(!s.action("mnuMode1_0")->isChecked());
        QCOMPARE(s.w.list().count(), 11u);

        // The ticked mode asks nothing.
        s.key(Qt::Key_F4);
        s.chooseMode(Qt::Key_F6, true);
        QCOMPARE(s.w.settings().mode, Mode::SquareRoots);
        QCOMPARE(s.w.list().count(), 0u);
        QCOMPARE(s.rows(), 0);
        QVERIFY(s.clean());
    }

    void lcmCannotBeChosen()
    {
        ShownWindow s;
        s.key(Qt::Key_F5);
        s.action("mnuMode1_3")->trigger();
        QTest::qWait(50);
        QCOMPARE(s.w.settings().mode, Mode::Factors);
        QVERIFY(s.watch.unexpected().isEmpty());
    }

    void gcdCollectsOnEnterAndComputesOnOk()
    {
        ShownWindow s;
        s.w.settings().mode = Mode::GcdHcf;
        for (const char* n : {"12", "18", "30.9"})
            s.enter(n);
        QCOMPARE(s.rows(), 3);
        QCOMPARE(s.line(2), QStringLiteral("30"));
        QVERIFY(s.text1->text().isEmpty());
        QString prompt, title;
        s.watch.pressButton("OK", &prompt, &title);
        s.ok();
        QCOMPARE(prompt, QStringLiteral("The GCD/HCF of all the numbers in the list is: 6"));
        QCOMPARE(title, QStringLiteral("GCD/HCF"));
        QCOMPARE(s.text1->text(), QStringLiteral("6"));
    }

    void doubleClickPutsARandomNumber()
    {
        ShownWindow s;
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

    void sizingKeepsWidthAndMinimumHeight()
    {
        ShownWindow s;
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

    void copyPutsTheLineOnTheClipboard()
    {
        ShownWindow s;
        s.enter("12");
        QGuiApplication::clipboard()->setText("untouched");
        s.key(Qt::Key_E, Qt::ControlModifier);  // nothing selected yet
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
        s.select(1);
        s.key(Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2 x 6"));
        QCOMPARE(s.w.list().count(), 9u);
    }

    void deleteRemovesTheSelectedLine()
    {
        ShownWindow s;
        s.enter("12");
        s.select(1);
        QString prompt;
        s.watch.pressButton("Yes", &prompt);
        s.key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(prompt, QStringLiteral("Confirm delete the following entry?\n2 x 6"));
        QCOMPARE(s.rows(), 8);
        QCOMPARE(s.line(1), QStringLiteral("3 x 4"));
        // Nothing selected now: asks nothing, deletes nothing.
        s.key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(s.rows(), 8);
        QVERIFY(s.watch.unexpected().isEmpty());
    }

    void copyAndDeleteActOnTheHighlightedLineOnly_data()
    {
        QTest::addColumn<QString>("entry");  // empty: no line is highlighted
        QTest::newRow("tab") << "";
        QTest::newRow("down") << "2 x 6";
        QTest::newRow("click") << "3 x 4";
        QTest::newRow("ctrl+click") << "";  // takes the highlight off again
    }
    void copyAndDeleteActOnTheHighlightedLineOnly()
    {
        QFETCH(QString, entry);
        const QByteArray how = QTest::currentDataTag();
        ShownWindow s;
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

        // Ctrl+C is the item view's own copy, which would take the current
        // line whether it is highlighted or not.
        QGuiApplication::clipboard()->setText("untouched");
        QTest::keyClick(s.list2, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), entry.isEmpty() ? QStringLiteral("untouched") : entry);
        QGuiApplication::clipboard()->setText("untouched");
        QString prompt;
        if (!entry.isEmpty())
            s.watch.pressButton("No", &prompt);
        QTest::keyClick(s.list2, Qt::Key_E, Qt::ControlModifier);
        QTest::keyClick(s.list2, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), entry.isEmpty() ? QStringLiteral("untouched") : entry);
        QCOMPARE(prompt, entry.isEmpty() ? QString() : "Confirm delete the following entry?\n" + entry);
        QVERIFY(s.clean());
        QCOMPARE(s.w.list().count(), 9u);
    }

    void minimizeAndExit()
    {
        ShownWindow s;
        s.key(Qt::Key_M, Qt::ControlModifier);
        QTRY_VERIFY(s.w.windowState() & Qt::WindowMinimized);
        s.w.showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(&s.w));
        s.key(Qt::Key_F1);
        QTRY_VERIFY(s.w.aboutWindow() && s.w.aboutWindow()->isVisible());
        QPointer<QWidget> about = s.w.aboutWindow();
        s.key(Qt::Key_T, Qt::ControlModifier);
        QTRY_VERIFY(!s.w.isVisible());
        QTRY_VERIFY(!about);  // closed, and gone with it
    }
};

TAVREL_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
