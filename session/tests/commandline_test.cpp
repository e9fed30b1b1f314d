// SPDX-License-Identifier: GPL-3.0-or-later
// What the game makes of its command line, before any window exists.
#include "session/commandline.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(CommandLine, RefusesFilesQtWouldReadWithoutEnd)
{
    // Pipes, pictures that inflate, and chains of files: named by an option, by a style
    // sheet's url(...) (escapes as Qt decodes them) or by an SVG picture's link.
    const QTemporaryDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    const std::pair<const char*, QByteArray> files[] = {
        {"icon.svgz", "\x1f\x8b\x08\x00 compressed"},
        {"pipe.qss", "* { background-image: u\\72l(\"f\\000069fo\") }"},
        {"picture.svg",
         "<svg xmlns:xlink='http://www.w3.org/1999/xlink'><image xlink:href='fifo'/></svg>"},
        {"chain.qss", "QPushButton { image: url( picture.svg ) }"},
        {"loop.svg", "<svg><image href='loop.svg'/></svg>"},
        {"fine.qss", "* { image: url(fine.qss); color: red }"}};
    for (const auto& [name, content] : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    }
    const std::pair<QStringList, QString> cases[] = {
        {{"-qwindowicon", dir.filePath("icon.svgz")}, "icon.svgz' is compressed"},
        {{"-stylesheet", dir.filePath("pipe.qss")}, "names 'fifo', which is not a regular file"},
        {{"-stylesheet=" + dir.filePath("chain.qss")},
         "names 'picture.svg', which names 'fifo', which is not a regular file"},
        {{"-qwindowicon", dir.filePath("loop.svg")}, "which is too many files deep"},
        {{"-display=:0"}, "tictactoe: unexpected argument '-display=:0' (write -display NAME)"},
        {{"--display=:0"}, "argument '--display=:0' (write -display NAME)"},
        {{"-stylesheet", dir.filePath("fine.qss")}, ""}};
    for (const auto& [arguments, said] : cases) {
        const CommandLineRequest request =
            ttt::readCommandLine(QStringList{"tictactoe"} + arguments);
        EXPECT_EQ(request.action, said.isEmpty() ? Action::Play : Action::Refuse)
            << said.toStdString();
        EXPECT_TRUE(said.isEmpty() ? request.text.isEmpty() : request.text.endsWith(said))
            << request.text.toStdString();
    }
}

TEST(CommandLine, VersionIsTheBuildsOwn)
{
    const CommandLineRequest request =
        ttt::readCommandLine({QStringLiteral("tictactoe"), QStringLiteral("--version")});
    EXPECT_EQ(request.text, QStringLiteral("tictactoe " TTT_VERSION "\n"));
}

} // namespace
