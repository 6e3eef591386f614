// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/platform/qt_dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace tavrel {
namespace {

// A run in progress shows the busy cursor; a question must not.
class NormalCursorWhileOpen {
public:
    NormalCursorWhileOpen()
    {
        if (QGuiApplication::overrideCursor()) {
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
            pushed_ = true;
        }
    }
    ~NormalCursorWhileOpen()
    {
        if (pushed_)
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool pushed_ = false;
};

// Keeps a box over the window that asked, where Qt places it. A window
// manager that refuses a new window the focus may also move it away from the
// focused window: metacity does, after the desktop's own file chooser had the
// keyboard, since Qt never saw those keys and so names an older user time; and
// on a busy machine Qt may place the box over where its parent was before
// the window manager's last word arrived. In the first seconds after showing,
// a box whose centre lies outside its parent is centred over it again; a move
// by the user later is left alone.
class KeptOverParent : public QObject {
public:
    explicit KeptOverParent(QWidget* box) : QObject(box), box_(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == box_ && event->type() == QEvent::Show) {
            shown_.start();
            for (int ms : {100, 500, 1500, 2900})
                QTimer::singleShot(ms, this, [this] { keepOverParent(); });
        } else if (watched == box_ && event->type() == QEvent::Move) {
            keepOverParent();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void keepOverParent()
    {
        if (!shown_.isValid() || shown_.elapsed() > kSettleMs || !box_->isVisible() || !box_->parentWidget())
            return;
        const QRect parent = box_->parentWidget()->window()->frameGeometry();
        const QRect box = box_->frameGeometry();
        if (parent.contains(box.center()))
            return;
        // Centred over the window that asked, as Qt places it, from where that
        // window is now: on a busy machine Qt may have placed the box before
        // it heard where the window manager had put its parent.
        QRect target(QPoint(0, 0), box.size());
        target.moveCenter(parent.center());
        if (const QScreen* screen = box_->parentWidget()->window()->screen()) {
            const QRect area = screen->availableGeometry();
            target.moveLeft(std::clamp(target.left(), area.left(), std::max(area.left(), area.right() - box.width())));
            target.moveTop(std::clamp(target.top(), area.top(), std::max(area.top(), area.bottom() - box.height())));
        }
        box_->move(target.topLeft());
    }

    static constexpr qint64 kSettleMs = 3000;
    QWidget* box_;
    QElapsedTimer shown_;
};

}  // namespace

QString dialogText(const std::string& text)
{
    QString out = QString::fromStdString(text);
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

Answer QtDialogs::messageBox(const std::string& prompt, Buttons buttons, Icon icon, const std::string& title)
{
    NormalCursorWhileOpen cursor;
    QMessageBox box(parent_);
    new KeptOverParent(&box);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(dialogText(title));
    box.setTextFormat(Qt::PlainText);  // list lines are data, never markup
    box.setText(dialogText(prompt));
    switch (icon) {
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

std::string QtDialogs::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText)
{
    NormalCursorWhileOpen cursor;
    QInputDialog dialog(parent_);
    new KeptOverParent(&dialog);
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(dialogText(title));
    dialog.setLabelText(dialogText(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    if (dialog.exec() != QDialog::Accepted)
        return {};  // Cancel gives the empty text, never the default
    return dialog.textValue().toStdString();
}

}  // namespace tavrel
