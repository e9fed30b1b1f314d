// SPDX-License-Identifier: GPL-3.0-or-later
// Runs "tictactoe-lab settings FILE" as a user would.
#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct LabRun
{
    int status = -1;
    std::string out;
};

// Standard error goes where `errors` says: "/dev/null", or "&1" to read it as output.
LabRun runLab(const std::string& arguments, const std::string& errors = "/dev/null")
{
    const std::string command =
        std::string("'") + TTT_LAB_PATH + "' settings " + arguments + " 2>" + errors;
    LabRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 256> buffer{};
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

TEST(LabSettingsVerb, PrintsWhatTheGameWouldLoadAndLeavesTheFileAlone)
{
    const ttt::test::ScratchFolder folder;
    const fs::path file = folder / "short.ttt";
    ttt::test::writeFile(file, "2,2\r\n");
    const LabRun run = runLab(quoted(file));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "2,2,3,1,1,0,1\n");
    EXPECT_EQ(ttt::test::fileContent(file), "2,2\r\n");
}

TEST(LabSettingsVerb, RangeRulesApplied)
{
    const ttt::test::ScratchFolder folder;
    const fs::path file = folder / "odd.ttt";
    ttt::test::writeFile(file, "5,&H2,1.5,1,0,1,3\r\n");
    EXPECT_EQ(runLab(quoted(file)).out, "3,2,1,1,0,1,4\n");
}

TEST(LabSettingsVerb, ByteOrderMarkIsSkippedAsTheGameDoes)
{
    const ttt::test::ScratchFolder folder;
    const fs::path file = folder / "marked.ttt";
    ttt::test::writeFile(file, "\xEF\xBB\xBF"
                               "4,2,2,1,0,1,34\r\n");
    EXPECT_EQ(runLab(quoted(file)).out, "4,2,2,1,0,1,34\n");
}

TEST(LabSettingsVerb, FileNameWithALineBreakStaysOnTheMessagesLine)
{
    const ttt::test::ScratchFolder folder;
    const fs::path file = folder / "two\nlines.ttt";
    ttt::test::writeFile(file, "1,\"2,2\r\n"); // a quote never closed
    const LabRun run = runLab(quoted(file), "&1");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1,1,1,0,1,0,16\ntictactoe-lab: settings: Some settings in '" +
                           folder.path().string() +
                           "/two\\nlines.ttt' could not be read, so their default values "
                           "are used.\n");
}

TEST(LabSettingsVerb, BadArgumentsAndUnreadableFilesExitWithTwo)
{
    const ttt::test::ScratchFolder folder;
    for (const std::string& arguments : {std::string(), quoted(folder / "missing.ttt"),
                                         quoted(folder.path()), std::string("a b")}) {
        const LabRun run = runLab(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
}

TEST(LabSettingsVerb, UnreadableFilesAreNamedWithTheGamesReason)
{
    const ttt::test::ScratchFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    const struct
    {
        fs::path file;
        std::string reason;
    } cases[] = {
        {folder / "missing.ttt", "No such file or directory"},
        {folder.path(), "Is a directory"},
        {folder / "pipe", "it is a named pipe, not a regular file"},
        {"/dev/null", "it is a device, not a regular file"},
    };
    for (const auto& c : cases) {
        const LabRun run = runLab(quoted(c.file), "&1");
        EXPECT_EQ(run.status, 2) << c.file;
        EXPECT_EQ(run.out, "tictactoe-lab: settings: cannot read " + quoted(c.file) + ": " +
                               c.reason + "\n");
    }
}

} // namespace
