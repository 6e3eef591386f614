// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

class QFileDialog;
class QProgressDialog;
class QWidget;

namespace tavrel::testing {

// Answers real modal dialogs the way a user would, and fails the test on any
// dialog nobody expected. Each expectation handles the next dialog to appear.
class DialogWatch : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(QWidget* dialog)>;

    DialogWatch();
    ~DialogWatch() override;

    void expect(Handler handler) { handlers_.push_back({std::move(handler), false}); }
    // A progress dialog blocks nothing and is let be, unless a test asks for
    // it here; it then goes to this handler, never to one meant for a question.
    void expectProgress(std::function<void(QProgressDialog*)> handler);
    // Presses the message box button whose text (without '&') is `button`.
    // Any other dialog, or a box without that button, fails the test.
    void pressButton(const QString& button, QString* seenText = nullptr, QString* seenTitle = nullptr);
    // Types into an input dialog and presses OK, or Cancel when `cancel`.
    // Any other dialog fails the test.
    void typeText(const QString& text, bool cancel = false, QString* seenDefault = nullptr);

    // Answers a file dialog: types `name` in `folder` (when not empty) and
    // saves, or cancels when `name` is null. `inspect` sees it first.
    void saveAs(const QString& folder, const QString& name, std::function<void(QFileDialog*)> inspect = {});

    bool allHandled() const { return handlers_.empty(); }
    const QStringList& unexpected() const { return unexpected_; }

private:
    void poll();

    QTimer timer_;
    static int alive_;
    friend class UnexpectedDialogGuard;
    struct Expected {
        Handler handler;
        bool progress;
    };
    std::vector<Expected> handlers_;
    // A dialog that stays open after its handler ran (a progress dialog, say)
    // is not handed to the next handler.
    QList<QPointer<QWidget>> handled_;
    QStringList unexpected_;
};

// While no DialogWatch is alive, fails the running test on any modal dialog
// and closes it, so that a surprise never hangs the suite.
class UnexpectedDialogGuard : public QObject {
    Q_OBJECT
public:
    UnexpectedDialogGuard();

private:
    void poll();
    QTimer timer_;
};

}  // namespace tavrel::testing
