// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tavrel {

// The desktop shell's "open" action on a web address. Failures are not
// reported back: a browser that does not start leaves the program as it was.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const std::string& address) = 0;
};

}  // namespace tavrel
