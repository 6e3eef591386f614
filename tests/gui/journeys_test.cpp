// SPDX-License-Identifier: GPL-3.0-or-later
// Journeys through the real main window, the way a user meets it: real
// widgets, real message and input boxes answered by pressing their buttons or
// typing into them. Any dialog a journey did not expect fails it.
#include <QAccessible>
#include <QClipboard>
#include <QDesktopServices>
#include <QMenuBar>
#include <QProgressDialog>

#include "gui/platform/qt_printer.h"
#include "gui/support/files.h"
#include "gui/support/pdf_text.h"
#include "gui/support/shown_window.h"
#include "gui/support/test_main.h"

using namespace tavrel;
using Journey = tavrel::testing::ShownWindow;

#ifndef TAVREL_JOURNEY_LINES
#define TAVREL_JOURNEY_LINES 1000000
#endif
// How many multiples the long journey lists, saves and prints.
constexpr int kJourneyLines = TAVREL_JOURNEY_LINES;

class JourneysTest : public QObject {
    Q_OBJECT
    QStringList urls;
public slots:
    void recordUrl(const QUrl& url) { urls << url.toString(); }

private slots:
    void gcdCollectionDeleteAndErrorReport()
    {
        Journey j;
        j.chooseMode(Qt::Key_F4, true);  // Find GCD/HCF, on an empty list
        for (const char* n : {"12", "18", "30"})
            j.enter(n);
        QCOMPARE(j.lines(), (QStringList{"12", "18", "30"}));

        QString result;
        j.watch.pressButton("OK", &result);
        j.ok();
        QCOMPARE(result, QStringLiteral("The GCD/HCF of all the numbers in the list is: 6"));
        QCOMPARE(j.text1->text(), QStringLiteral("6"));

        j.select(0);
        j.watch.pressButton("Yes");
        j.key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(j.lines(), (QStringList{"18", "30"}));
        j.watch.pressButton("OK", &result);
        j.ok();
        QCOMPARE(result, QStringLiteral("The GCD/HCF of all the numbers in the list is: 6"));

        j.enter("40000");  // collected as it stands; too big for the computation
        j.ok();
        QCOMPARE(j.lines(), (QStringList{"ERROR!", "Overflow"}));
        QCOMPARE(j.text1->text(), QStringLiteral("Running..."));
        j.enter("9");  // Enter clears the error report before collecting
        QCOMPARE(j.lines(), (QStringList{"9"}));
        j.watch.pressButton("OK", &result);
        j.ok();
        QCOMPARE(j.text1->text(), QStringLiteral("9"));
        QVERIFY(j.clean());
    }

    void settingsShapeTheMultiples()
    {
        Journey j;
        j.enter("36");
        j.chooseMode(Qt::Key_F3, false);  // Find Multiples, keeping the factors of 36
        QCOMPARE(j.lines().size(), 11);

        QString countDefault, ratioDefault;
        j.watch.typeText("20", false, &countDefault);
        j.watch.typeText("3", false, &ratioDefault);
        j.key(Qt::Key_F2, Qt::ShiftModifier);
        QCOMPARE(countDefault, QStringLiteral("1000"));
        QCOMPARE(ratioDefault, QStringLiteral("1"));

        j.watch.pressButton("Yes");
        j.watch.typeText("50");
        j.watch.typeText("100");
        j.key(Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(j.w.settings().range.low, 50);
        QCOMPARE(j.w.settings().range.high, 100);

        j.enter("7");
        QCOMPARE(j.lines(), (QStringList{"9 x 7 = 63", "12 x 7 = 84"}));
        QCOMPARE(j.text1->text(), QStringLiteral("7"));

        QString saved, notice;
        j.watch.saveAs(j.workDir.path(), "multiples.txt");
        j.watch.pressButton("OK", &saved);
        j.key(Qt::Key_S, Qt::AltModifier);
        QCOMPARE(saved, QStringLiteral("File saved."));
        QCOMPARE(testing::readAll(j.workDir.filePath("multiples.txt")), QByteArray("9 x 7 = 63\r\n12 x 7 = 84\r\n"));

        j.watch.pressButton("No");  // clears the range
        j.watch.pressButton("OK", &notice);
        j.key(Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(notice, QStringLiteral("No ranges defined."));
        j.ok();
        QCOMPARE(j.lines().size(), 20);
        QCOMPARE(j.lines().last(), QStringLiteral("60 x 7 = 420"));
        QVERIFY(j.clean());
    }

    void squareRootCopyHelpAndExit()
    {
        urls.clear();
        QDesktopServices::setUrlHandler("https", this, "recordUrl");
        Journey j;
        j.chooseMode(Qt::Key_F6, true);
        j.enter("567");
        QCOMPARE(j.lines(), (QStringList{"Square root of 567 is:", "9 x Square root of 7"}));
        j.select(1);
        j.key(Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("9 x Square root of 7"));

        j.key(Qt::Key_F1);
        QWidget* about = j.w.aboutWindow();
        QVERIFY(about);
        QTRY_VERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Tavrel"));
        QVERIFY(testing::entries(j.workDir.path()).isEmpty());
        QCOMPARE(j.w.x(), j.w.screen()->availableGeometry().x());
        QTest::mouseClick(about->findChild<QPushButton*>("cmd_Help"), Qt::LeftButton);
        QCOMPARE(urls, QStringList{"https://quillo.example/help/tavrel/"});
        // The main window keeps working while the about window is open.
        j.enter("72");
        QCOMPARE(j.lines().last(), QStringLiteral("6 x Square root of 2"));

        j.key(Qt::Key_T, Qt::ControlModifier);
        QTRY_VERIFY(!j.w.isVisible());
        QVERIFY(!about->isVisible());
        QDesktopServices::unsetUrlHandler("https");
        QVERIFY(j.clean());
    }

    // A million lines through every command that handles the whole list.
    void longListDeleteSavePrint()
    {
        const int n = kJourneyLines;
        const int middle = n / 2;  // the line deleted: multiple middle + 1
        auto lineOf = [](qint64 k) { return QString("%1 x 7 = %2").arg(k).arg(k * 7); };
        QTemporaryDir dir;
        const QString pdf = dir.filePath("long.pdf");
        // Printed to a PDF, with progress shown at once.
        QtPrinter printer(nullptr, {pdf, 1000, 0});
        Journey j({nullptr, nullptr, &printer});
        j.chooseMode(Qt::Key_F3, false);
        j.w.settings().multiples.count = n;
        j.enter("7");
        QCOMPARE(j.rows(), n);
        QCOMPARE(j.line(n - 1), lineOf(n));

        j.select(middle);
        j.watch.pressButton("Yes");
        j.key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(j.rows(), n - 1);
        QCOMPARE(j.line(middle), lineOf(middle + 2));

        j.watch.saveAs(dir.path(), "long.txt");
        j.watch.pressButton("OK");
        j.key(Qt::Key_S, Qt::AltModifier);
        const QByteArray bytes = testing::readAll(dir.filePath("long.txt"));
        QCOMPARE(bytes.count("\r\n"), n - 1);
        QVERIFY(bytes.startsWith("1 x 7 = 7\r\n2 x 7 = 14\r\n"));
        QVERIFY(bytes.endsWith((lineOf(n - 1) + "\r\n" + lineOf(n) + "\r\n").toLatin1()));
        QVERIFY(!bytes.contains(("\n" + lineOf(middle + 1) + "\r\n").toLatin1()));

        // Print, cancelling the progress dialog half-way.
        j.watch.pressButton("Yes");  // Ready to print?
        j.watch.expectProgress([](QProgressDialog* progress) {
            auto* poll = new QTimer(progress);
            QObject::connect(poll, &QTimer::timeout, progress, [progress] {
                if (progress->value() >= progress->maximum() / 2)
                    progress->cancel();
            });
            poll->start(5);
        });
        QString cancelled;
        j.watch.pressButton("OK", &cancelled);
        j.action("mnuPrint")->trigger();
        QVERIFY2(cancelled.startsWith("Printing was cancelled."), qPrintable(cancelled));

        // Lines from the start, in order, none twice, stopping at a page break
        // somewhere past the middle.
        qint64 expected = 1;
        for (const QString& line : testing::pdfLines(pdf)) {
            if (expected == middle + 1)
                ++expected;  // the deleted line
            QCOMPARE(line, lineOf(expected));
            ++expected;
        }
        QVERIFY2(expected > n * 2 / 5 && expected < n + 1, qPrintable(QString::number(expected)));
        QVERIFY(j.clean());
    }

    void switchingModesWithAnErrorReportInTheList()
    {
        Journey j;
        j.enter("-1");
        QCOMPARE(j.lines().first(), QStringLiteral("ERROR!"));
        j.chooseMode(Qt::Key_F6, false);
        QCOMPARE(j.lines().first(), QStringLiteral("ERROR!"));
        j.ok();  // Square Roots of the "Running..." left in the box: 0
        QCOMPARE(j.lines(), (QStringList{"Cannot do."}));
        QCOMPARE(j.text1->text(), QStringLiteral("0"));
        j.chooseMode(Qt::Key_F4, false);
        j.ok();  // GCD over a line that is no number
        QCOMPARE(j.lines(), (QStringList{"ERROR!", "Type mismatch"}));
        QVERIFY(j.clean());
    }

    void everyCommandHasAKey_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::newRow("mnuMin") << "Ctrl+M";
        QTest::newRow("mnuExit") << "Ctrl+T";
        QTest::newRow("mnuAbout") << "F1";
        QTest::newRow("mnuCopy") << "Ctrl+E";
        QTest::newRow("mnuDel") << "Ctrl+D";
        QTest::newRow("mnuClear") << "Ctrl+L";
        QTest::newRow("mnuRange") << "Shift+F1";
        QTest::newRow("mnuSet") << "Shift+F2";
        QTest::newRow("mnuSave") << "Alt+S";
        QTest::newRow("mnuPrint") << "Alt+P";
    }

    // A command with no shortcut of its own is reached through its access key
    // on the menu bar.
    void everyCommandHasAKey()
    {
        QFETCH(QString, keys);
        MainWindow w;
        auto* a = w.findChild<QAction*>(QTest::currentDataTag());
        QVERIFY(a);
        if (keys.startsWith("Alt+")) {
            QVERIFY(w.menuBar()->actions().contains(a));
            QVERIFY(a->text().contains(QLatin1Char('&') + keys.back()));
        } else {
            QCOMPARE(a->shortcut().toString(), keys);
        }
    }

    void accessKeysOpenTheMenus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::newRow("Alt+W") << "mnuWin";
        QTest::newRow("Alt+M") << "mnuMode";
        QTest::newRow("Alt+L") << "mnuList";
        QTest::newRow("Alt+T") << "mnuSetMain";
    }
    void accessKeysOpenTheMenus()
    {
        QFETCH(QString, menu);
        Journey j;
        const QKeyCombination keys = QKeySequence(QTest::currentDataTag())[0];
        j.key(keys.key(), keys.keyboardModifiers());
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), menu);
        QApplication::activePopupWidget()->close();
    }

    // What a screen reader hears in both windows: every control has a name, a
    // label's name is the text it shows, a button's holds its caption, and no
    // control that cannot be seen is offered.
    void accessibilityTreeNamesWhatIsShown()
    {
        Journey j;
        j.enter("12");
        QStringList faults;
        QStringList labels;
        std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* node, int depth) {
            if (!node || depth > 12)
                return;
            const QAccessible::Role role = node->role();
            const QString name = node->text(QAccessible::Name);
            QObject* object = node->object();
            const QString id = QStringLiteral("%1 (role %2)").arg(object ? object->objectName() : "?").arg(role);
            const bool control = role == QAccessible::EditableText || role == QAccessible::PushButton ||
                                 role == QAccessible::List || role == QAccessible::StaticText ||
                                 role == QAccessible::MenuItem || role == QAccessible::ListItem ||
                                 role == QAccessible::MenuBar;
            if (control && name.isEmpty())
                faults << id + " has no name";
            // Closed menus and spare scroll bars are hidden as Qt always hides them.
            if (auto* widget = qobject_cast<QWidget*>(object); control && widget && widget->visibleRegion().isEmpty())
                faults << id + " cannot be seen";
            if (auto* label = qobject_cast<QLabel*>(object); label && !label->text().isEmpty()) {
                labels << name;
                if (name != label->text())
                    faults << id + " is named " + name + ", shows " + label->text();
            }
            if (auto* button = qobject_cast<QAbstractButton*>(object))
                if (!name.contains(QString(button->text()).remove(QLatin1Char('&'))))
                    faults << id + " is named " + name + ", shows " + button->text();
            if (role == QAccessible::ScrollBar)
                return;
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i), depth + 1);
        };
        walk(QAccessible::queryAccessibleInterface(&j.w), 0);
        j.chooseMode(Qt::Key_F6, false);
        walk(QAccessible::queryAccessibleInterface(&j.w), 0);
        QCOMPARE(labels, (QStringList{"Find Factors", "Square Roots"}));

        j.key(Qt::Key_F1);
        QTRY_VERIFY(j.w.aboutWindow() && j.w.aboutWindow()->isVisible());
        walk(QAccessible::queryAccessibleInterface(j.w.aboutWindow()), 0);
        QVERIFY(labels.contains("Version: 6.2"));
        QVERIFY(labels.contains("Release Date: 20th December 2002"));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        QVERIFY(j.clean());
    }
};

TAVREL_TEST_MAIN(JourneysTest)
#include "journeys_test.moc"
