// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/text_file_store.h"

class QWidget;

namespace tavrel {

// Files written through QSaveFile: the content goes to a temporary file
// beside the target, which replaces the target only once every byte is on
// disk, so a failure leaves the old file as it was. Where no temporary file
// can go beside the target, it is written in place, and a failure there
// can leave it cut short.
class QtFileStore : public TextFileStore {
public:
    // A write lasting longer than `progressDelayMs` shows a progress dialog
    // over `parent` with a Cancel button.
    explicit QtFileStore(QWidget* parent = nullptr, int progressDelayMs = 500)
        : parent_(parent), progressDelayMs_(progressDelayMs)
    {}

    bool exists(const std::string& path) override;
    bool writeWhole(const std::string& path, const ChunkSource& content, const ProgressSource& progress) override;

private:
    QWidget* parent_;
    int progressDelayMs_;
};

}  // namespace tavrel
