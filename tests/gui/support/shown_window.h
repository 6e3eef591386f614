// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/main_window/main_window.h"
#include "gui/support/dialog_watch.h"

namespace tavrel::testing {

// The main window shown and active, the way a user meets it. Its working
// folder is a scratch folder, since Help writes a file there. A dialog not
// expected through `watch` fails the test.
struct ShownWindow {
    explicit ShownWindow(MainWindowServices services = {}) : w(services)
    {
        w.settings().workDir = (workDir.path() + "/").toStdString();
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qFatal("main window not exposed");
        activate();
    }

    // Shortcuts reach only the active window, and a dialog just closed may
    // leave activation elsewhere for a moment.
    void activate()
    {
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            qWarning("main window did not become active");
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        activate();
        QTest::keyClick(&w, key, modifiers);
    }
    // Chooses a mode by its function key, confirming the change, and answers
    // whether to clear the list.
    void chooseMode(Qt::Key modeKey, bool clearList)
    {
        watch.pressButton("Yes");
        watch.pressButton(clearList ? "Yes" : "No");
        key(modeKey);
    }
    void enter(const QString& text)
    {
        text1->setText(text);
        QTest::keyClick(text1, Qt::Key_Return);
    }
    void ok() { QTest::mouseClick(w.findChild<QPushButton*>("cmdOK"), Qt::LeftButton); }
    QAction* action(const char* name) { return w.findChild<QAction*>(name); }
    void select(int row) { list2->setCurrentIndex(list2->model()->index(row, 0)); }
    int rows() const { return list2->model()->rowCount(); }
    QString line(int row) const { return list2->model()->index(row, 0).data().toString(); }
    QStringList lines() const
    {
        QStringList out;
        for (int row = 0; row < rows(); ++row)
            out << line(row);
        return out;
    }
    bool clean() const { return watch.allHandled() && watch.unexpected().isEmpty(); }

    QTemporaryDir workDir;  // outlives the window and the about window it may open
    MainWindow w;
    DialogWatch watch;
    QLineEdit* const text1 = w.findChild<QLineEdit*>("Text1");
    QListView* const list2 = w.findChild<QListView*>("List2");
    QLabel* const label1 = w.findChild<QLabel*>("Label1");
};

}  // namespace tavrel::testing
