// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "state/command_context.h"
#include "support/scripted_dialogs.h"

namespace tavrel::testing {

// A main window without a window, shared by the tests, the benchmarks and the
// fuzz targets: the list, the input box, the settings at their start values
// and scripted dialogs.
struct FakeWindow {
    ResultsList list;
    PlainInputBox input;
    Settings settings;
    ScriptedDialogs dialogs;
    CommandContext context{list, input, settings, dialogs};

    std::vector<std::string> lines() const
    {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < list.count(); ++i)
            out.emplace_back(list.line(static_cast<std::ptrdiff_t>(i)));
        return out;
    }

    void setLines(const std::vector<std::string>& text)
    {
        list.clear();
        for (const std::string& line : text)
            if (!list.append(line))
                throw std::length_error("the list is full");
    }
};

// "a / b / c" into its lines, the way the tables in the tests are written.
inline std::vector<std::string> splitLines(const std::string& joined)
{
    std::vector<std::string> out;
    for (std::size_t start = 0, at = 0; !joined.empty() && at != std::string::npos; start = at + 3) {
        at = joined.find(" / ", start);
        out.push_back(joined.substr(start, at - start));
    }
    return out;
}

}  // namespace tavrel::testing
