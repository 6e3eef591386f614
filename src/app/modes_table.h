#pragma once

#include <array>
#include <string_view>

namespace tavrel {

// The Mode menu, by mode number (`LastMode`). "Find LCM" is shown but can
// never be chosen: no computation stands behind it.
inline constexpr std::array<std::string_view, 5> kModeCaptions = {
    "Find Factors", "Find Multiples", "Find GCD/HCF", "Find LCM", "Square Roots"};
inline constexpr std::array<std::string_view, 5> kModeShortcuts = {"F2", "F3", "F4", "F5", "F6"};

enum Mode : int { ModeFactors = 0, ModeMultiples = 1, ModeGcdHcf = 2, ModeLcm = 3, ModeSquareRoots = 4 };

constexpr bool isModeEnabled(int mode) { return mode >= 0 && mode <= 4 && mode != ModeLcm; }

}  // namespace tavrel
