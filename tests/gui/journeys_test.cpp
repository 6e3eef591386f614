// SPDX-License-Identifier: GPL-3.0-or-later
// Journeys through the real main window, the way a user meets it: real
// widgets, real message and input boxes answered by pressing their buttons or
// typing into them. Any dialog a journey did not expect fails it.
#include <QAccessible>
#include <QClipboard>
#include <QDesktopServices>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "gui/support/test_main.h"

#include "gui/main_window/main_window.h"
#include "gui/platform/qt_printer.h"
#include "gui/support/dialog_watch.h"

using namespace tavrel;
using tavrel::testing::DialogWatch;

namespace {

class Journey {
public:
    explicit Journey(MainWindowServices services = {}) : w(services)
    {
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qFatal("main window not exposed");
        text1 = w.findChild<QLineEdit*>("Text1");
        list2 = w.findChild<QListView*>("List2");
    }
    ~Journey()
    {
        if (!watch.unexpected().isEmpty())
            qWarning() << "unexpected dialogs:" << watch.unexpected();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            qWarning("main window did not become active");
        QTest::keyClick(&w, k, m);
    }
    void enter(const QString& text)
    {
        text1->setText(text);
        QTest::keyClick(text1, Qt::Key_Return);
    }
    void ok() { QTest::mouseClick(w.findChild<QPushButton*>("cmdOK"), Qt::LeftButton); }
    void select(int row) { list2->setCurrentIndex(list2->model()->index(row, 0)); }
    QStringList lines()
    {
        QStringList out;
        for (int i = 0; i < list2->model()->rowCount(); ++i)
            out << list2->model()->index(i, 0).data().toString();
        return out;
    }
    bool clean() const { return watch.allHandled() && watch.unexpected().isEmpty(); }

    MainWindow w;
    DialogWatch watch;
    QLineEdit* text1 = nullptr;
    QListView* list2 = nullptr;
};

}  // namespace

class JourneysTest : public QObject {
    Q_OBJECT
public slots:
    void recordUrl(const QUrl& url) { urls << url.toString(); }

public:
    QStringList urls;

private slots:
    void gcdCollectionDeleteAndErrorReport();
    void settingsShapeTheMultiples();
    void squareRootCopyHelpAndExit();
    void millionLinesDeleteSavePrint();
    void switchingModesWithAnErrorReportInTheList();
    void everyCommandHasAKey_data();
    void everyCommandHasAKey();
    void accessKeysOpenTheMenus_data();
    void accessKeysOpenTheMenus();
    void accessibilityTreeNamesWhatIsShown();
};

void JourneysTest::gcdCollectionDeleteAndErrorReport()
{
    Journey j;
    j.watch.pressButton("Yes");  // change to Find GCD/HCF
    j.watch.pressButton("Yes");  // and clear the list
    j.key(Qt::Key_F4);
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

void JourneysTest::settingsShapeTheMultiples()
{
    Journey j;
    j.enter("36");
    j.watch.pressButton("Yes");
    j.watch.pressButton("No");  // keep the factors of 36
    j.key(Qt::Key_F3);
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

    QTemporaryDir dir;
    QString saved;
    j.watch.saveAs(dir.path(), "multiples.txt");
    j.watch.pressButton("OK", &saved);
    j.key(Qt::Key_S, Qt::AltModifier);
    QCOMPARE(saved, QStringLiteral("File saved."));
    QFile file(dir.filePath("multiples.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("9 x 7 = 63\r\n12 x 7 = 84\r\n"));

    j.watch.pressButton("No");  // clears the range
    QString notice;
    j.watch.pressButton("OK", &notice);
    j.key(Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(notice, QStringLiteral("No ranges defined."));
    j.ok();
    QCOMPARE(j.lines().size(), 20);
    QCOMPARE(j.lines().last(), QStringLiteral("60 x 7 = 420"));
    QVERIFY(j.clean());
}

void JourneysTest::squareRootCopyHelpAndExit()
{
    QTemporaryDir workDir;
    urls.clear();
    QDesktopServices::setUrlHandler("https", this, "recordUrl");
    Journey j;
    j.w.settings().workDir = (workDir.path() + "/").toStdString();
    j.watch.pressButton("Yes");
    j.watch.pressButton("Yes");
    j.key(Qt::Key_F6);
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
    QVERIFY(QDir(workDir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
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
void JourneysTest::millionLinesDeleteSavePrint()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("million.pdf");
    // Printed to a PDF, with progress shown at once.
    QtPrinter printer(nullptr, {pdf, 1000, 0});
    Journey j({nullptr, nullptr, &printer});
    j.watch.pressButton("Yes");
    j.watch.pressButton("No");
    j.key(Qt::Key_F3);
    j.w.settings().multiples.count = 1000000;
    j.enter("7");
    QCOMPARE(j.list2->model()->rowCount(), 1000000);
    QCOMPARE(j.list2->model()->index(999999, 0).data().toString(), QStringLiteral("1000000 x 7 = 7000000"));

    j.select(500000);
    j.watch.pressButton("Yes");
    j.key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(j.list2->model()->rowCount(), 999999);
    QCOMPARE(j.list2->model()->index(500000, 0).data().toString(), QStringLiteral("500002 x 7 = 3500014"));

    j.watch.saveAs(dir.path(), "million.txt");
    j.watch.pressButton("OK");
    j.key(Qt::Key_S, Qt::AltModifier);
    QFile file(dir.filePath("million.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), 999999);
    QVERIFY(bytes.startsWith("1 x 7 = 7\r\n2 x 7 = 14\r\n"));
    QVERIFY(bytes.endsWith("999999 x 7 = 6999993\r\n1000000 x 7 = 7000000\r\n"));
    QVERIFY(!bytes.contains("500001 x 7"));

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
    j.w.findChild<QAction*>("mnuPrint")->trigger();
    QVERIFY2(cancelled.startsWith("Printing was cancelled."), qPrintable(cancelled));

    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(text.waitForFinished(120000));
    const QList<QByteArray> printed = text.readAllStandardOutput().split('\n');
    // Lines from the start, in order, none twice, stopping at a page break
    // somewhere past the middle.
    qint64 expected = 1;
    for (QByteArray line : printed) {
        line = line.trimmed().replace('\f', "");
        if (line.isEmpty())
            continue;
        if (expected == 500001)
            ++expected;  // the deleted line
        QCOMPARE(line, QByteArray::number(expected) + " x 7 = " + QByteArray::number(expected * 7));
        ++expected;
    }
    QVERIFY2(expected > 400000 && expected < 1000001, qPrintable(QString::number(expected)));
    QVERIFY(j.clean());
}

void JourneysTest::switchingModesWithAnErrorReportInTheList()
{
    Journey j;
    j.enter("-1");
    QCOMPARE(j.lines().first(), QStringLiteral("ERROR!"));
    j.watch.pressButton("Yes");
    j.watch.pressButton("No");
    j.key(Qt::Key_F6);
    QCOMPARE(j.lines().first(), QStringLiteral("ERROR!"));
    j.ok();  // Square Roots of the "Running..." left in the box: 0
    QCOMPARE(j.lines(), (QStringList{"Cannot do."}));
    QCOMPARE(j.text1->text(), QStringLiteral("0"));
    j.watch.pressButton("Yes");
    j.watch.pressButton("No");
    j.key(Qt::Key_F4);
    j.ok();  // GCD over a line that is no number
    QCOMPARE(j.lines(), (QStringList{"ERROR!", "Type mismatch"}));
    QVERIFY(j.clean());
}

void JourneysTest::everyCommandHasAKey_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("keys");
    QTest::newRow("minimize") << "mnuMin" << "Ctrl+M";
    QTest::newRow("exit") << "mnuExit" << "Ctrl+T";
    QTest::newRow("help") << "mnuAbout" << "F1";
    QTest::newRow("copy") << "mnuCopy" << "Ctrl+E";
    QTest::newRow("delete") << "mnuDel" << "Ctrl+D";
    QTest::newRow("clear") << "mnuClear" << "Ctrl+L";
    QTest::newRow("ranges") << "mnuRange" << "Shift+F1";
    QTest::newRow("multiples") << "mnuSet" << "Shift+F2";
    QTest::newRow("save") << "mnuSave" << "Alt+S";
    QTest::newRow("print") << "mnuPrint" << "Alt+P";
}

// A command with no shortcut of its own is reached through its access key
// on the menu bar.
void JourneysTest::everyCommandHasAKey()
{
    QFETCH(QString, action);
    QFETCH(QString, keys);
    MainWindow w;
    auto* a = w.findChild<QAction*>(action);
    QVERIFY(a);
    if (keys.startsWith("Alt+")) {
        const QChar letter = keys.back();
        QVERIFY(w.menuBar()->actions().contains(a));
        QVERIFY(a->text().contains(QLatin1Char('&') + letter));
    } else {
        QCOMPARE(a->shortcut().toString(), keys);
    }
}

void JourneysTest::accessKeysOpenTheMenus_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("menu");
    QTest::newRow("Alt+W") << int(Qt::Key_W) << "mnuWin";
    QTest::newRow("Alt+M") << int(Qt::Key_M) << "mnuMode";
    QTest::newRow("Alt+L") << int(Qt::Key_L) << "mnuList";
    QTest::newRow("Alt+T") << int(Qt::Key_T) << "mnuSetMain";
}

void JourneysTest::accessKeysOpenTheMenus()
{
    QFETCH(int, key);
    QFETCH(QString, menu);
    Journey j;
    j.key(Qt::Key(key), Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), menu);
    QApplication::activePopupWidget()->close();
}

// What a screen reader hears in both windows: every control has a name, a
// label's name is the text it shows, a button's holds its caption, and no
// control that cannot be seen is offered.
void JourneysTest::accessibilityTreeNamesWhatIsShown()
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
        if (auto* widget = qobject_cast<QWidget*>(object);
            control && widget && widget->visibleRegion().isEmpty())
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
    j.watch.pressButton("Yes");
    j.watch.pressButton("No");
    j.key(Qt::Key_F6);
    walk(QAccessible::queryAccessibleInterface(&j.w), 0);
    QCOMPARE(labels, (QStringList{"Find Factors", "Square Roots"}));

    QTemporaryDir workDir;
    j.w.settings().workDir = (workDir.path() + "/").toStdString();
    j.key(Qt::Key_F1);
    QTRY_VERIFY(j.w.aboutWindow() && j.w.aboutWindow()->isVisible());
    walk(QAccessible::queryAccessibleInterface(j.w.aboutWindow()), 0);
    QVERIFY(labels.contains("Version: 6.2"));
    QVERIFY(labels.contains("Release Date: 20th December 2002"));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    QVERIFY(j.clean());
}

TAVREL_TEST_MAIN(JourneysTest)
#include "journeys_test.moc"
