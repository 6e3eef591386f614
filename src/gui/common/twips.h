// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <cmath>

namespace tavrel {

// Sizes are designed in twips (1440 to the inch) and shown at the screen's
// logical DPI, so the window keeps its proportions on any display.
inline int twipsToPixels(const QWidget* widget, int twips)
{
    return static_cast<int>(std::lround(twips * widget->logicalDpiX() / 1440.0));
}

inline int pixelsToTwips(const QWidget* widget, int pixels)
{
    return static_cast<int>(std::lround(pixels * 1440.0 / widget->logicalDpiX()));
}

inline QRect twipsRect(const QWidget* widget, int left, int top, int width, int height)
{
    return {twipsToPixels(widget, left), twipsToPixels(widget, top), twipsToPixels(widget, width),
            twipsToPixels(widget, height)};
}

}  // namespace tavrel
