// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/support/dialog_watch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

namespace tavrel::testing {

int DialogWatch::alive_ = 0;

namespace {
void closeUnexpected(QWidget* modal)
{
    const QString what = QStringLiteral("unexpected dialog \"%1\": %2")
                             .arg(modal->windowTitle(), qobject_cast<QMessageBox*>(modal)
                                                            ? qobject_cast<QMessageBox*>(modal)->text()
                                                            : QString());
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

// A handler for one kind of dialog: a dialog of any other kind fails the test.
template <class Dialog, class Handle>
DialogWatch::Handler only(Handle handle)
{
    return [handle](QWidget* w) {
        if (auto* dialog = qobject_cast<Dialog*>(w))
            handle(dialog);
        else
            closeUnexpected(w);
    };
}
}  // namespace

UnexpectedDialogGuard::UnexpectedDialogGuard()
{
    timer_.setInterval(50);
    connect(&timer_, &QTimer::timeout, this, &UnexpectedDialogGuard::poll);
    timer_.start();
}

void UnexpectedDialogGuard::poll()
{
    if (DialogWatch::alive_ > 0)
        return;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible() && !qobject_cast<QProgressDialog*>(modal))
        closeUnexpected(modal);
}

DialogWatch::DialogWatch()
{
    ++alive_;
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &DialogWatch::poll);
    timer_.start();
}

DialogWatch::~DialogWatch() { --alive_; }

void DialogWatch::poll()
{
    // A dialog that was closed may be shown again later (the save dialog is
    // reused): it then counts as new.
    handled_.removeIf([](const QPointer<QWidget>& w) { return !w || !w->isVisible(); });
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || handled_.contains(modal))
        return;
    const bool progress = qobject_cast<QProgressDialog*>(modal) != nullptr;
    if (progress && (handlers_.empty() || !handlers_.front().progress))
        return;
    if (handlers_.empty() || handlers_.front().progress != progress) {
        unexpected_ << modal->windowTitle();
        closeUnexpected(modal);
        return;
    }
    Handler handler = std::move(handlers_.front().handler);
    handlers_.erase(handlers_.begin());
    QPointer<QWidget> shown(modal);
    handler(modal);
    if (shown && shown->isVisible())
        handled_ << shown;
}

void DialogWatch::pressButton(const QString& button, QString* seenText, QString* seenTitle)
{
    expect(only<QMessageBox>([=](QMessageBox* box) {
        if (seenText)
            *seenText = box->text();
        if (seenTitle)
            *seenTitle = box->windowTitle();
        for (QAbstractButton* b : box->buttons()) {
            if (b->text().remove(QLatin1Char('&')) == button) {
                b->click();
                return;
            }
        }
        QTest::qFail(qPrintable(QStringLiteral("no button \"%1\" in \"%2\"").arg(button, box->text())), __FILE__,
                     __LINE__);
        box->reject();
    }));
}

void DialogWatch::typeText(const QString& text, bool cancel, QString* seenDefault)
{
    expect(only<QInputDialog>([=](QInputDialog* dialog) {
        if (seenDefault)
            *seenDefault = dialog->textValue();
        if (cancel) {
            dialog->reject();
            return;
        }
        if (auto* edit = dialog->findChild<QLineEdit*>())
            edit->setText(text);
        dialog->accept();
    }));
}

void DialogWatch::expectProgress(std::function<void(QProgressDialog*)> handler)
{
    handlers_.push_back({[handler](QWidget* w) { handler(static_cast<QProgressDialog*>(w)); }, true});
}

void DialogWatch::saveAs(const QString& folder, const QString& name, std::function<void(QFileDialog*)> inspect)
{
    expect(only<QFileDialog>([=](QFileDialog* dialog) {
        if (inspect)
            inspect(dialog);
        if (name.isNull()) {
            dialog->reject();
            return;
        }
        if (!folder.isEmpty())
            dialog->setDirectory(folder);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        static_cast<QDialog*>(dialog)->accept();  // runs QFileDialog's own checks
    }));
}

}  // namespace tavrel::testing
