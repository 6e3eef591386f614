// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tavrel {

// The system clipboard, plain text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
};

}  // namespace tavrel
