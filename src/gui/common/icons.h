// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace tavrel {

// The main window's icon, the same drawing the desktop shows for the program.
QIcon tavrelIcon();

// The about window's information sign.
QIcon infoSignIcon();

}  // namespace tavrel
