// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tavrel {

// Hands out a file's content piece by piece; an empty piece ends it. A list
// of millions of lines is then written without a second copy in memory.
using ChunkSource = std::function<std::string_view()>;

// The files a command writes whole.
class TextFileStore {
public:
    virtual ~TextFileStore() = default;

    // True when a file of exactly this name exists, hidden files included;
    // a directory does not count.
    virtual bool exists(const std::string& path) = 0;

    // Replaces the file at `path` with the bytes `content` hands out, as
    // given (no newline translation). All or nothing: on false the file that
    // was there is unchanged and nothing new is left behind. A file the user
    // may not write is a failure; a symbolic link writes the file it points to.
    [[nodiscard]] virtual bool writeWhole(const std::string& path, const ChunkSource& content) = 0;
};

}  // namespace tavrel
