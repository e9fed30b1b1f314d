// Runs "tictactoe-lab settings FILE" as a user would.
#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct LabRun
{
    int status = -1;
    std::string out;
};

LabRun runLab(const std::string& arguments)
{
    const std::string command =
        std::string("'") + TTT_LAB_PATH + "' settings " + arguments + " 2>/dev/null";
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

} // namespace
