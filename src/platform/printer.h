// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavrel {

// Settings a print job is begun with.
struct PrintSettings {
    std::string fontName;
    float fontSize = 10;  // points
    float margin = 300;   // twips, kept free at the page's left and top edges
};

enum class PrintStatus {
    Ok,
    NoPrinter,  // no default printer is installed; nothing was started
    Failed,     // the job could not be started or finished
    Cancelled,  // the user stopped it and the job was thrown away: nothing prints
    Stopped,    // the user stopped it, but the printer could not throw the job
                // away: the pages finished before the stop were printed
};

// The desktop's default printer: one text per line, pages broken by the
// printer when one is full.
class Printer {
public:
    virtual ~Printer() = default;

    // Starts a job that will hold `lineCount` lines (for showing progress).
    [[nodiscard]] virtual PrintStatus begin(const PrintSettings& settings, std::size_t lineCount) = 0;
    // Prints one line at the current position and moves to the next line.
    [[nodiscard]] virtual PrintStatus printLine(std::string_view text) = 0;
    // Ends the document and hands it to the printer.
    [[nodiscard]] virtual PrintStatus end() = 0;
    // After any status but Ok from begin() or printLine() the job is over:
    // the caller calls nothing more for it.
};

}  // namespace tavrel
