// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace tavrel {

// Lets the window's menu shortcuts win over a control's own use of the same
// keys. Under the X11, GNOME and KDE key schemes a line edit claims Ctrl+E
// (end of line) before the menu sees it, so Copy selected entry did nothing
// while the input box had the focus.
class MenuShortcutsFirst : public QObject {
public:
    explicit MenuShortcutsFirst(QWidget* window) : QObject(window), window_(window) {}

    void watch(QWidget* control) { control->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
            for (const QAction* action : window_->findChildren<QAction*>()) {
                if (action->isEnabled() && action->shortcut() == pressed) {
                    event->ignore();  // not claimed: the shortcut goes to the menu
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
};

}  // namespace tavrel
