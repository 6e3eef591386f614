#pragma once

#include <QString>
#include <QWidget>

namespace tavrel {

// Gives a control its program name (its objectName, which tests and
// automation find it by) and the name a screen reader announces.
template <class W>
W* named(W* widget, const char* name, const QString& accessibleName)
{
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

}  // namespace tavrel
