// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/collect_number.h"

#include <cmath>

#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"

namespace tavrel {

void collectNumber(Window& window)
{
    Result<double> read = readLenient(window.input.text());
    if (!read)
        return;
    if (!window.list.append(numberToText(std::floor(*read))))
        return;
    window.input.setText("");
}

}  // namespace tavrel
