// SPDX-License-Identifier: GPL-3.0-or-later
// What the game makes of its command line, before any window exists.
#include "session/commandline.h"

#include <gtest/gtest.h>

namespace {

using ttt::CommandLineRequest;
using Action = CommandLineRequest::Action;

struct Case
{
    const char* name;
    QStringList arguments;
    Action action;
};

class CommandLine : public testing::TestWithParam<Case>
{
};

TEST_P(CommandLine, IsReadAsThePlayerMeantIt)
{
    QStringList arguments{QStringLiteral("tictactoe")};
    arguments += GetParam().arguments;
    const CommandLineRequest request = ttt::readCommandLine(arguments);
    EXPECT_EQ(request.action, GetParam().action);
    if (request.action == Action::Refuse) {
        EXPECT_TRUE(request.text.startsWith(QStringLiteral("tictactoe: ")));
        for (const QChar c : request.text)
            EXPECT_GE(c.unicode(), 0x20) << "a control character: " << request.text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    testing::Values(Case{"nothing", {}, Action::Play},
                    Case{"qtPlatform", {"-platform", "offscreen"}, Action::Play},
                    Case{"qtReverse", {"-reverse"}, Action::Play},
                    Case{"qtStyleJoined", {"-style=fusion"}, Action::Play},
                    Case{"help", {"--help"}, Action::ShowHelp},
                    Case{"shortHelp", {"-h"}, Action::ShowHelp},
                    Case{"version", {"--version"}, Action::ShowVersion},
                    Case{"unknownOption", {"--bogus"}, Action::Refuse},
                    Case{"optionWithLineBreak", {"--a\nb"}, Action::Refuse},
                    Case{"strayArgument", {"options.ttt"}, Action::Refuse},
                    Case{"terminalColour", {"\x1b[31mX"}, Action::Refuse},
                    Case{"optionWithEscape", {"--\x1b[2J"}, Action::Refuse},
                    Case{"styleSheetDevice", {"-stylesheet", "/dev/zero"}, Action::Refuse},
                    Case{"styleSheetFolder", {"-stylesheet=/"}, Action::Refuse},
                    Case{"iconDevice", {"-qwindowicon", "/dev/zero"}, Action::Refuse},
                    Case{"styleSheetMissing", {"-stylesheet", "/nonexistent.qss"}, Action::Play}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(CommandLine, VersionIsTheBuildsOwn)
{
    const CommandLineRequest request =
        ttt::readCommandLine({QStringLiteral("tictactoe"), QStringLiteral("--version")});
    EXPECT_EQ(request.text, QStringLiteral("tictactoe " TTT_VERSION "\n"));
}

} // namespace
