// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "state/command_context.h"
#include "platform/save_dialog.h"
#include "platform/text_file_store.h"

namespace tavrel {

// Save: writes every line of the list, each followed by CR LF, to a file the
// user names in the save dialog, after asking before it replaces a file.
void saveList(CommandContext& context, SaveDialog& saveDialog, TextFileStore& files);

// The list's lines as the saved file holds them, in pieces of about
// `pieceSize` bytes (a line is never split), made as they are asked for.
class ListFileContent {
public:
    explicit ListFileContent(const ResultsList& list, std::size_t pieceSize = 1 << 20)
        : list_(list), pieceSize_(pieceSize)
    {}
    std::string_view next();
    double doneFraction() const { return list_.empty() ? 1.0 : double(nextLine_) / double(list_.count()); }

private:
    const ResultsList& list_;
    std::size_t pieceSize_;
    std::size_t nextLine_ = 0;
    std::string piece_;
};

}  // namespace tavrel
