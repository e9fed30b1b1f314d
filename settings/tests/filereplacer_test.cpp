// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/filereplacer.h"

#include "scratchfolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using ttt::ReplaceStep;
using ttt::test::fileContent;

const std::string oldContent = "1,1,1,0,0,0,1\r\n";
const std::string newContent = "4,2,2,1,0,1,34\r\n";

struct KillCase
{
    const char* name;
    ReplaceStep killedAt;
    std::string expected;
};

class ReplaceKilledTest : public testing::TestWithParam<KillCase>
{
};

// A child process replaces the file and is killed outright at the given step; the file
// must then hold the old or the new content in full.
TEST_P(ReplaceKilledTest, FileIsWholeAfterTheKill)
{
    const ttt::test::ScratchFolder folder;
    const fs::path file = folder / "options.ttt";
    ttt::test::writeFile(file, oldContent);
    const ReplaceStep killedAt = GetParam().killedAt;

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ttt::replaceFileContent(file, newContent, [killedAt](ReplaceStep step) {
            if (step == killedAt)
                ::raise(SIGKILL);
        });
        ::_exit(0); // not reached when the kill happened
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "status " << status;
    EXPECT_EQ(fileContent(file), GetParam().expected);
}

const KillCase killCases[] = {
    {"BeforeWriting", ReplaceStep::TempCreated, oldContent},
    {"BetweenWritingAndRenaming", ReplaceStep::TempWritten, oldContent},
    {"AfterRenaming", ReplaceStep::Renamed, newContent},
};

// Failures name the case instead of dumping its bytes.
void PrintTo(const KillCase& c, std::ostream* out)
{
    *out << c.name;
}

INSTANTIATE_TEST_SUITE_P(Steps, ReplaceKilledTest, testing::ValuesIn(killCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FileReplacer, NewFileIsCompleteBeforeItTakesThePlaceOfTheOld)
{
    const ttt::test::ScratchFolder folder;
    const fs::path file = folder / "options.ttt";
    ttt::test::writeFile(file, oldContent);
    std::string besideBeforeRename;
    const ttt::FileError failure = ttt::replaceFileContent(file, newContent, [&](ReplaceStep step) {
        if (step != ReplaceStep::TempWritten)
            return;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            if (entry.path() != file)
                besideBeforeRename = fileContent(entry.path());
        }
    });
    EXPECT_FALSE(failure) << ::testing::PrintToString(failure);
    EXPECT_EQ(besideBeforeRename, newContent);
    EXPECT_EQ(fileContent(file), newContent);
}

} // namespace
