// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"
#include "platform/input_box.h"
#include "state/results_list.h"
#include "state/settings.h"

namespace tavrel {

// What a mode or command runs with: references to the main window's results
// list, input box and settings, and to the dialogs, not a window of its own.
// The Qt window hands this to them; tests, benchmarks and fuzz targets build
// it from plain parts.
struct CommandContext {
    ResultsList& list;
    InputBox& input;
    Settings& settings;
    Dialogs& dialogs;
};

}  // namespace tavrel
