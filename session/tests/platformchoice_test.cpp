// SPDX-License-Identifier: GPL-3.0-or-later
// Which window system the game asks for, from where it is started.
#include "session/platformchoice.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char* name;
    const char* qtPlatform;
    const char* waylandDisplay;
    const char* x11Display;
    QStringList arguments;
    const char* chosen; // "" leaves the choice to Qt
};

class PlatformChoice : public testing::TestWithParam<Case>
{
};

TEST_P(PlatformChoice, FollowsTheDesktopAndThePlayer)
{
    const Case& c = GetParam();
    QStringList arguments{QStringLiteral("tictactoe")};
    arguments += c.arguments;
    const ttt::StartingDesktop desktop{QString::fromLatin1(c.qtPlatform),
                                       QString::fromLatin1(c.waylandDisplay),
                                       QString::fromLatin1(c.x11Display), arguments};
    EXPECT_EQ(ttt::choosePlatform(desktop).toStdString(), c.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, PlatformChoice,
    testing::Values(
        Case{"x11Only", "", "", ":0", {}, ""}, Case{"waylandOnly", "", "wayland-0", "", {}, ""},
        Case{"waylandWithXWayland", "", "wayland-0", ":0", {}, "xcb;wayland"},
        Case{"nothing", "", "", "", {}, ""},
        Case{"playersEnvironmentWayland", "wayland", "wayland-0", ":0", {}, ""},
        Case{"playersEnvironmentList", "wayland;xcb", "wayland-0", ":0", {}, ""},
        Case{"playersArgument", "", "wayland-0", ":0", {"-platform", "wayland"}, ""},
        Case{"playersDoubleDashArgument", "", "wayland-0", ":0", {"--platform", "wayland"}, ""},
        Case{"playersJoinedArgument", "", "wayland-0", ":0", {"-platform=wayland"}, ""},
        Case{"otherQtOption", "", "wayland-0", ":0", {"-reverse"}, "xcb;wayland"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
