// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProgressDialog>
#include <memory>

namespace tavrel {

// The progress dialog a long Save or Print shows over `parent`: Cancel, the
// whole application held while it lasts, and left open at its end so that
// the caller decides when it goes. Shown once `delayMs` have passed.
inline std::unique_ptr<QProgressDialog> makeProgressDialog(QWidget* parent, const QString& objectName,
                                                           const QString& title, const QString& label, int maximum,
                                                           int delayMs)
{
    auto dialog = std::make_unique<QProgressDialog>(label, QStringLiteral("Cancel"), 0, maximum, parent);
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(title);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumDuration(delayMs);
    return dialog;
}

}  // namespace tavrel
