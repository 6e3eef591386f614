// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/support/files.h"
#include "gui/support/test_main.h"

#include "gui/main_window/main_window.h"
#include "gui/platform/qt_save_dialog.h"
#include "gui/support/dialog_watch.h"

using namespace tavrel;
using tavrel::testing::readAll;
using tavrel::testing::DialogWatch;

namespace {

struct Seen {
    QStringList filters;
    QString selectedFilter;
    QString defaultSuffix;
    bool confirmsOverwrite = true;
    QString offered;  // the file the dialog offered when it opened
};

const SaveDialogSettings kSettings{{{"Text Files", "*.txt"}, {"All Files", "*.*"}}, 0};

void answerFileDialog(DialogWatch& watch, const QString& folder, const QString& name, Seen* seen)
{
    watch.saveAs(folder, name, [seen](QFileDialog* dialog) {
        seen->filters = dialog->nameFilters();
        seen->selectedFilter = dialog->selectedNameFilter();
        seen->defaultSuffix = dialog->defaultSuffix();
        seen->confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        seen->offered = dialog->selectedFiles().value(0);
    });
}

}  // namespace

class SaveDialogTest : public QObject {
    Q_OBJECT
private slots:
    void offersTheFiltersAndKeepsTheNameAsTyped_data();
    void offersTheFiltersAndKeepsTheNameAsTyped();
    void cancelGivesNoPath();
    void secondShowingOffersTheLastPath();
    void saveFromTheMenuBar();
};

void SaveDialogTest::offersTheFiltersAndKeepsTheNameAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("with extension") << "list.txt";
    QTest::newRow("without extension") << "notes";
    QTest::newRow("other extension") << "list.csv";
}

void SaveDialogTest::offersTheFiltersAndKeepsTheNameAsTyped()
{
    QFETCH(QString, typed);
    QTemporaryDir dir;
    QtSaveDialog dialog(nullptr);
    DialogWatch watch;
    Seen seen;
    answerFileDialog(watch, dir.path(), typed, &seen);

    const std::optional<std::string> path = dialog.askPath(kSettings);

    QVERIFY(path);
    QCOMPARE(QString::fromStdString(*path), QDir(dir.path()).filePath(typed));
    QCOMPARE(seen.filters, (QStringList{QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*)")}));
    QCOMPARE(seen.selectedFilter, QStringLiteral("Text Files (*.txt)"));
    QCOMPARE(seen.defaultSuffix, QString());
    QVERIFY(!seen.confirmsOverwrite);
    QVERIFY(watch.unexpected().isEmpty());
}

void SaveDialogTest::cancelGivesNoPath()
{
    QtSaveDialog dialog(nullptr);
    DialogWatch watch;
    Seen seen;
    answerFileDialog(watch, {}, QString(), &seen);
    QVERIFY(!dialog.askPath(kSettings));
    QVERIFY(watch.allHandled());
}

void SaveDialogTest::secondShowingOffersTheLastPath()
{
    QTemporaryDir dir;
    QtSaveDialog dialog(nullptr);
    DialogWatch watch;
    Seen first;
    Seen second;
    answerFileDialog(watch, dir.path(), QStringLiteral("results.txt"), &first);
    answerFileDialog(watch, {}, QString(), &second);
    const std::optional<std::string> path = dialog.askPath(kSettings);
    QVERIFY(path);
    QVERIFY(!dialog.askPath(kSettings));
    QCOMPARE(second.offered, QString::fromStdString(*path));
}

void SaveDialogTest::saveFromTheMenuBar()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("a much longer old content\r\n\r\n\r\n");
    }
    MainWindow w;
    w.list().append("1 x 6");
    w.list().append("2 x 3");
    DialogWatch watch;
    Seen seen;
    QString question;
    QString questionTitle;
    QString saved;
    answerFileDialog(watch, dir.path(), QStringLiteral("old.txt"), &seen);
    watch.pressButton(QStringLiteral("Yes"), &question, &questionTitle);
    watch.pressButton(QStringLiteral("OK"), &saved);

    w.findChild<QAction*>(QStringLiteral("mnuSave"))->trigger();

    QVERIFY(watch.allHandled());
    QVERIFY(watch.unexpected().isEmpty());
    QCOMPARE(questionTitle, QStringLiteral("File Exists!"));
    QCOMPARE(question, QStringLiteral("File exists! Do you want to continue saving the text under this filename: ") +
                           path + QStringLiteral(" ?"));
    QCOMPARE(saved, QStringLiteral("File saved."));
    QCOMPARE(readAll(path), QByteArray("1 x 6\r\n2 x 3\r\n"));
}

TAVREL_TEST_MAIN(SaveDialogTest)
#include "save_dialog_test.moc"
