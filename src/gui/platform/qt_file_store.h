// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/text_file_store.h"

namespace tavrel {

// Files written through QSaveFile: the content goes to a temporary file
// beside the target, which replaces the target only once every byte is on
// disk. A failure anywhere leaves the old file as it was.
class QtFileStore : public TextFileStore {
public:
    bool exists(const std::string& path) override;
    bool writeWhole(const std::string& path, const ChunkSource& content) override;
};

}  // namespace tavrel
