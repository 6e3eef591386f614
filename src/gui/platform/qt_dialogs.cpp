// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/platform/qt_dialogs.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

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
