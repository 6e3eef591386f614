// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrel {

// The modes the main window can be in. Their captions, keys, actions and
// menu order are in the table of modes (modes/mode_table.h); the order here
// means nothing.
enum class Mode { Factors, Multiples, GcdHcf, Lcm, SquareRoots };

}  // namespace tavrel
