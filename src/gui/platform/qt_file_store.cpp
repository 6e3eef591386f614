// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/platform/qt_file_store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

#include "gui/common/progress_dialog.h"

namespace tavrel {
namespace {

constexpr int kProgressSteps = 1000;

}  // namespace

bool QtFileStore::exists(const std::string& path)
{
    const QFileInfo info(QString::fromStdString(path));
    return info.exists() && !info.isDir();
}

bool QtFileStore::writeWhole(const std::string& path, const ChunkSource& content, const ProgressSource& progress)
{
    // QSaveFile refuses an existing file the user may not write, though a
    // rename would replace it, and follows a symbolic link to its target.
    QSaveFile file(QString::fromStdString(path));
    // A file the user may write in a folder the user may not: no temporary
    // file can go beside it, so the file is written in place. Every write and
    // the flush are still checked, but a failure there can leave it cut short.
    file.setDirectWriteFallback(true);
    // Unbuffered: every write() reaches the temporary file at once and reports
    // its own failure. With Qt's write buffer, a failure in the last flush
    // (a full disk with less than 16 KiB to write) went unnoticed by commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    std::unique_ptr<QProgressDialog> dialog;
    for (std::string_view piece = content(); !piece.empty(); piece = content()) {
        const auto size = static_cast<qint64>(piece.size());
        if (file.write(piece.data(), size) != size) {
            file.cancelWriting();
            return false;
        }
        if (!dialog && progress && clock.elapsed() >= progressDelayMs_) {
            dialog = makeProgressDialog(parent_, QStringLiteral("SaveProgress"), QStringLiteral("Save"),
                                        QStringLiteral("Saving..."), kProgressSteps, 0);
            dialog->show();
        }
        if (dialog) {
            // A modal progress dialog handles the events, Cancel among them,
            // as its value changes; on a slow disk that may take a while, so
            // they are handled every tenth of a second as well.
            dialog->setValue(static_cast<int>(progress() * kProgressSteps));
            if (sinceEvents.elapsed() >= 100) {
                QCoreApplication::processEvents();
                sinceEvents.restart();
            }
            if (dialog->wasCanceled()) {
                file.cancelWriting();
                return false;
            }
        }
    }
    if (!file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();  // a failed cancelWriting() or commit() removes the temporary file
}

}  // namespace tavrel
