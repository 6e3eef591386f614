// SPDX-License-Identifier: GPL-3.0-or-later
#include "modes/collect_number.h"

#include <cmath>

#include "arithmetic/number_reading.h"
#include "arithmetic/number_text.h"

namespace tavrel {

void collectNumber(CommandContext& context)
{
    Result<double> read = readLenient(context.input.text());
    if (!read)
        return;
    if (!context.list.append(numberToText(std::floor(*read))))
        return;
    context.input.setText("");
}

}  // namespace tavrel
