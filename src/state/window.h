// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialogs.h"
#include "platform/input_box.h"
#include "state/results_list.h"
#include "state/settings.h"

namespace tavrel {

// What the modes and commands of the main window work on: its results list,
// its input box, its settings and the dialogs. The Qt window hands this to
// them; tests, benchmarks and fuzz targets build it from plain parts.
struct Window {
    ResultsList& list;
    InputBox& input;
    Settings& settings;
    Dialogs& dialogs;
};

}  // namespace tavrel
