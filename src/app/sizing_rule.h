// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrel {

// The main window's geometry in twips (1440 to the inch). The outer size
// counts frame, title bar and menu bar; the width is fixed, the height has a
// minimum, and the results list follows the height.
inline constexpr int kOuterWidth = 4590;
inline constexpr int kMinOuterHeight = 3525;
inline constexpr int kListHeightAllowance = 1065;  // outer height minus list height
inline constexpr int kClientWidth = 4470;
inline constexpr int kClientHeight = 2835;
inline constexpr int kFrameWidth = kOuterWidth - kClientWidth;
inline constexpr int kFrameHeight = kMinOuterHeight - kClientHeight;

struct OuterGeometry {
    int width;
    int height;
    int listHeight;
};

// What the window snaps to after any change of its outer size.
constexpr OuterGeometry applySizingRule(int outerHeight)
{
    const int height = outerHeight < kMinOuterHeight ? kMinOuterHeight : outerHeight;
    return {kOuterWidth, height, height - kListHeightAllowance};
}

}  // namespace tavrel
