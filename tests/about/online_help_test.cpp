// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/online_help.h"

namespace tavrel {
namespace {

struct RecordingShell : Shell {
    std::vector<std::string> opened;
    void open(const std::string& address) override { opened.push_back(address); }
};

struct HelpRow {
    int appId;
    const char* opened;  // nullptr: the button does nothing
};

class OnlineHelp : public ::testing::TestWithParam<HelpRow> {};

TEST_P(OnlineHelp, OpensThePageOfTheHelpNumber)
{
    RecordingShell shell;
    openOnlineHelp(shell, "https://quillo.example/", GetParam().appId);
    if (GetParam().opened) {
        ASSERT_EQ(shell.opened.size(), 1u);
        EXPECT_EQ(shell.opened[0], GetParam().opened);
    } else {
        EXPECT_TRUE(shell.opened.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, OnlineHelp,
                         ::testing::Values(HelpRow{0, "https://quillo.example/help/ulk/"},
                                           HelpRow{1, "https://quillo.example/help/brask/"},
                                           HelpRow{2, "https://quillo.example/help/tavrel/"},
                                           HelpRow{3, "https://quillo.example/help/dorn/"}, HelpRow{4, nullptr},
                                           HelpRow{-1, nullptr}, HelpRow{32767, nullptr}));

TEST(OnlineHelp, WebsiteButtonOpensTheRootUnchanged)
{
    RecordingShell shell;
    openWebsite(shell, std::string(kWebsite));
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], "https://quillo.example/");
}

}  // namespace
}  // namespace tavrel
