// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFileDialog>

#include "gui/platform/qt_save_dialog.h"
#include "gui/support/files.h"
#include "gui/support/shown_window.h"
#include "gui/support/test_main.h"

using namespace tavrel;
using namespace tavrel::testing;

namespace {

const SaveDialogSettings kSettings{{{"Text Files", "*.txt"}, {"All Files", "*.*"}}, 0};

}  // namespace

class SaveDialogTest : public QObject {
    Q_OBJECT
private slots:
    void offersTheFiltersAndKeepsTheNameAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("with extension") << "list.txt";
        QTest::newRow("without extension") << "notes";
        QTest::newRow("other extension") << "list.csv";
    }
    void offersTheFiltersAndKeepsTheNameAsTyped()
    {
        QFETCH(QString, typed);
        QTemporaryDir dir;
        QtSaveDialog dialog(nullptr);
        DialogWatch watch;
        watch.saveAs(dir.path(), typed, [](QFileDialog* shown) {
            QCOMPARE(shown->nameFilters(), (QStringList{"Text Files (*.txt)", "All Files (*)"}));
            QCOMPARE(shown->selectedNameFilter(), QStringLiteral("Text Files (*.txt)"));
            QCOMPARE(shown->defaultSuffix(), QString());
            QVERIFY(shown->testOption(QFileDialog::DontConfirmOverwrite));
        });

        const std::optional<std::string> path = dialog.askPath(kSettings);

        QVERIFY(path);
        QCOMPARE(QString::fromStdString(*path), QDir(dir.path()).filePath(typed));
        QVERIFY(watch.allHandled() && watch.unexpected().isEmpty());
    }

    void cancelGivesNoPath()
    {
        QtSaveDialog dialog(nullptr);
        DialogWatch watch;
        watch.saveAs({}, QString());
        QVERIFY(!dialog.askPath(kSettings));
        QVERIFY(watch.allHandled());
    }

    void secondShowingOffersTheLastPath()
    {
        QTemporaryDir dir;
        QtSaveDialog dialog(nullptr);
        DialogWatch watch;
        QString offered;  // the file the dialog offers when it opens
        watch.saveAs(dir.path(), QStringLiteral("results.txt"));
        watch.saveAs({}, QString(), [&](QFileDialog* shown) { offered = shown->selectedFiles().value(0); });
        const std::optional<std::string> path = dialog.askPath(kSettings);
        QVERIFY(path);
        QVERIFY(!dialog.askPath(kSettings));
        QCOMPARE(offered, QString::fromStdString(*path));
    }

    void saveFromTheMenuBar()
    {
        ShownWindow s;
        const QString path = s.workDir.filePath(QStringLiteral("old.txt"));
        writeFile(path, "a much longer old content\r\n\r\n\r\n");
        QVERIFY(s.w.list().append("1 x 6"));
        QVERIFY(s.w.list().append("2 x 3"));
        QString question, questionTitle, saved;
        s.watch.saveAs(s.workDir.path(), QStringLiteral("old.txt"));
        s.watch.pressButton(QStringLiteral("Yes"), &question, &questionTitle);
        s.watch.pressButton(QStringLiteral("OK"), &saved);

        s.action("mnuSave")->trigger();

        QVERIFY(s.clean());
        QCOMPARE(questionTitle, QStringLiteral("File Exists!"));
        QCOMPARE(question,
                 QStringLiteral("File exists! Do you want to continue saving the text under this filename: ") + path +
                     QStringLiteral(" ?"));
        QCOMPARE(saved, QStringLiteral("File saved."));
        QCOMPARE(readAll(path), QByteArray("1 x 6\r\n2 x 3\r\n"));
    }
};

TAVREL_TEST_MAIN(SaveDialogTest)
#include "save_dialog_test.moc"
