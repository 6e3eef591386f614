// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/scripted_dialogs.h"

namespace tavrel::testing {

// Whether a scripted dialog was this very message box: prompt, title,
// buttons and icon at once, with what was shown instead when not.
inline ::testing::AssertionResult isBox(const ScriptedDialogs::Call& call, const std::string& prompt,
                                        const std::string& title, Buttons buttons, Icon icon)
{
    const bool same = call.kind == ScriptedDialogs::Call::Message && call.prompt == prompt && call.title == title &&
                      call.buttons == buttons && call.icon == icon;
    return (same ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
           << "shown: \"" << call.prompt << "\", titled \"" << call.title << "\", buttons "
           << static_cast<int>(call.buttons) << ", icon " << static_cast<int>(call.icon);
}

}  // namespace tavrel::testing
