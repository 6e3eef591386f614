// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>

#include "platform/save_dialog.h"

class QFileDialog;
class QWidget;

namespace tavrel {

// The desktop's save dialog: one QFileDialog for the whole
// run that remembers the path chosen last.
class QtSaveDialog : public SaveDialog {
public:
    explicit QtSaveDialog(QWidget* parent) : parent_(parent) {}
    ~QtSaveDialog() override;

    std::optional<std::string> askPath(const SaveDialogSettings& settings) override;

private:
    QPointer<QWidget> parent_;
    QPointer<QFileDialog> dialog_;
    QString lastPath_;
};

// "Text Files" and "*.txt" as a Qt name filter; "*.*" means every file, so a
// name without an extension is listed too.
QString nameFilter(const FileFilter& filter);

}  // namespace tavrel
