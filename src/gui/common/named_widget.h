// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

namespace tavrel {

// Gives a control its program name (its objectName, which tests and
// automation find it by).
template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The same, with the name a screen reader announces, for a control that
// shows no text of its own. A label or a button is left to Qt, which
// announces the text it shows and follows it when the text changes.
template <class W>
W* named(W* widget, const char* name, const QString& accessibleName)
{
    named(widget, name);
    widget->setAccessibleName(accessibleName);
    return widget;
}

}  // namespace tavrel
