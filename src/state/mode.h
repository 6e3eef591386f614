// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tavrel {

// The Mode menu's items, in menu order (F2 to F6).
enum class Mode { Factors, Multiples, GcdHcf, Lcm, SquareRoots };

inline constexpr std::array<Mode, 5> kModes = {Mode::Factors, Mode::Multiples, Mode::GcdHcf, Mode::Lcm,
                                               Mode::SquareRoots};

constexpr std::size_t menuPosition(Mode mode) { return static_cast<std::size_t>(mode); }

constexpr std::string_view modeCaption(Mode mode)
{
    constexpr std::array<std::string_view, 5> captions = {"Find Factors", "Find Multiples", "Find GCD/HCF",
                                                          "Find LCM", "Square Roots"};
    return captions[menuPosition(mode)];
}

// "Find LCM" is shown but can never be chosen: no computation stands behind it.
constexpr bool isSelectable(Mode mode) { return mode != Mode::Lcm && menuPosition(mode) < kModes.size(); }

}  // namespace tavrel
