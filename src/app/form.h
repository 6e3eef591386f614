#pragma once

#include "app/results_list.h"
#include "app/window_variables.h"
#include "platform/dialogs.h"
#include "platform/input_box.h"

namespace tavrel {

// What a handler of the main window works on: its controls, its variables
// and the dialogs. The Qt window hands this to the core; tests build it from
// plain parts and scripted dialogs.
struct Form {
    ResultsList& List2;
    InputBox& Text1;
    WindowVariables& vars;
    Dialogs& dialogs;
};

}  // namespace tavrel
