// SPDX-License-Identifier: GPL-3.0-or-later
#include "arithmetic/failure.h"

namespace tavrel {

std::string_view describe(Failure failure)
{
    switch (failure) {
    case Failure::Overflow: return "Overflow";
    case Failure::InvalidArgument: return "Invalid procedure call or argument";
    case Failure::TypeMismatch: return "Type mismatch";
    case Failure::ListFull: return "Out of memory: the list is full";
    }
    return "Unknown error";
}

}  // namespace tavrel
