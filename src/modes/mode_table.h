// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "modes/collect_number.h"
#include "modes/find_factors.h"
#include "modes/find_gcd_hcf.h"
#include "modes/find_multiples.h"
#include "modes/square_roots.h"
#include "state/mode.h"
#include "state/command_context.h"

namespace tavrel {

// What Enter or OK does in a mode.
using ModeAction = void (*)(CommandContext&);

struct ModeRow {
    Mode mode;
    std::string_view caption;  // the menu item, the mode label, the switch question
    int functionKey;           // the menu item's shortcut: 2 is F2
    ModeAction enter;          // Enter in the input box; nullptr: nothing
    ModeAction ok;             // the OK button; nullptr: nothing
};

// Every mode, in the Mode menu's order. The menu, the Enter/OK dispatch, mode
// switching and the fuzz target all read this table, so a new mode is one
// row here plus its own files. A mode with nothing to run on Enter or OK is
// shown but cannot be chosen.
inline constexpr std::array kModeTable = {
    ModeRow{Mode::Factors, "Find Factors", 2, findFactors, findFactors},
    ModeRow{Mode::Multiples, "Find Multiples", 3, findMultiples, findMultiples},
    // Enter gathers the numbers in the list; OK works on all of them.
    ModeRow{Mode::GcdHcf, "Find GCD/HCF", 4, collectNumber, findGcdHcf},
    ModeRow{Mode::Lcm, "Find LCM", 5, nullptr, nullptr},
    ModeRow{Mode::SquareRoots, "Square Roots", 6, squareRoots, squareRoots},
};

// Two rows for one mode or one key would leave one of them unreachable.
static_assert(
    [] {
        for (std::size_t i = 0; i < kModeTable.size(); ++i)
            for (std::size_t j = i + 1; j < kModeTable.size(); ++j)
                if (kModeTable[i].mode == kModeTable[j].mode || kModeTable[i].functionKey == kModeTable[j].functionKey)
                    return false;
        return true;
    }(),
    "each mode and each key has one row");

// The mode's row, or nullptr for a value no row describes.
constexpr const ModeRow* modeRow(Mode mode)
{
    for (const ModeRow& row : kModeTable)
        if (row.mode == mode)
            return &row;
    return nullptr;
}

constexpr std::string_view modeCaption(Mode mode)
{
    const ModeRow* row = modeRow(mode);
    return row ? row->caption : std::string_view();
}

constexpr bool isSelectable(Mode mode)
{
    const ModeRow* row = modeRow(mode);
    return row && row->enter && row->ok;
}

}  // namespace tavrel
