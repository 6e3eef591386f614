// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

// One entry of a file dialog's type list, such as {"Text Files", "*.txt"}.
struct FileFilter {
    std::string name;
    std::string pattern;
};

// What a command asks of the save dialog before each showing.
struct SaveDialogSettings {
    std::vector<FileFilter> filters;
    std::size_t selectedFilter = 0;
};

// The platform's file-save dialog. One dialog serves the whole run, so from
// the second showing on it offers the path chosen last.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;

    // Shows the dialog modally. Returns the full path chosen, exactly as the
    // user gave it (no extension added, no overwrite question asked), or
    // nothing when the user cancelled.
    virtual std::optional<std::string> askPath(const SaveDialogSettings& settings) = 0;
};

}  // namespace tavrel
