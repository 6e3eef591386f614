// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/platform/qt_save_dialog.h"

#include <QFileDialog>

namespace tavrel {

QtSaveDialog::~QtSaveDialog()
{
    if (dialog_ && !dialog_->parent())
        delete dialog_;
}

QString nameFilter(const FileFilter& filter)
{
    QString pattern = QString::fromStdString(filter.pattern);
    if (pattern == QLatin1String("*.*"))
        pattern = QStringLiteral("*");
    return QString::fromStdString(filter.name) + QLatin1String(" (") + pattern + QLatin1Char(')');
}

std::optional<std::string> QtSaveDialog::askPath(const SaveDialogSettings& settings)
{
    if (!dialog_) {
        dialog_ = new QFileDialog(parent_);
        dialog_->setObjectName(QStringLiteral("CommonDialog1"));
        dialog_->setAcceptMode(QFileDialog::AcceptSave);
        dialog_->setFileMode(QFileDialog::AnyFile);
        // The command asks its own question before replacing a file, and a
        // name typed without an extension is kept as typed.
        dialog_->setOption(QFileDialog::DontConfirmOverwrite, true);
        dialog_->setDefaultSuffix(QString());
        // Qt's own dialog names itself, but a desktop's native chooser (GTK's)
        // takes the title from here and would otherwise have none.
        dialog_->setWindowTitle(QStringLiteral("Save As"));
    }
    QStringList filters;
    for (const FileFilter& f : settings.filters)
        filters << nameFilter(f);
    dialog_->setNameFilters(filters);
    if (settings.selectedFilter < static_cast<std::size_t>(filters.size()))
        dialog_->selectNameFilter(filters.at(static_cast<qsizetype>(settings.selectedFilter)));
    if (!lastPath_.isEmpty())
        dialog_->selectFile(lastPath_);

    if (dialog_->exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog_->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return std::nullopt;
    lastPath_ = chosen.first();
    return lastPath_.toStdString();
}

}  // namespace tavrel
