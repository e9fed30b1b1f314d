// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsfile.h"
#include "settings/settingstext.h"

#include "scratchfolder.h"
#include "unprivilegedrun.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using ttt::SettingsRecord;
using ttt::test::fileContent;
using ttt::test::writeFile;

const std::string defaultLine = ttt::settingsLine(ttt::SettingsRecord{});
constexpr const char* skipReason = "permission bits do not stop this user (running as root?)";

class SettingsFileTest : public testing::Test
{
protected:
    ttt::test::ScratchFolder folder;
    fs::path options = folder / "options.ttt";
};

TEST_F(SettingsFileTest, MissingFileGivesDefaultsAndLeavesTheDefaultLine)
{
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, SettingsRecord{});
    EXPECT_FALSE(loaded.problem);
    EXPECT_EQ(fileContent(options), defaultLine);
}

TEST_F(SettingsFileTest, ExistingRecordIsLoadedAndTheDefaultLineAppended)
{
    writeFile(options, "4,2,2,1,0,1,34\r\n");
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, (SettingsRecord{4, 2, 2, 1, 0, 1, 34}));
    EXPECT_FALSE(loaded.problem);
    EXPECT_EQ(fileContent(options), std::string("4,2,2,1,0,1,34\r\n") + defaultLine);
}

TEST_F(SettingsFileTest, ShortLineIsCompletedFromTheAppendedLine)
{
    writeFile(options, "2,2\r\n");
    EXPECT_EQ(ttt::loadSettings(options).record, (SettingsRecord{2, 2, 3, 1, 1, 0, 1}));
}

TEST_F(SettingsFileTest, LastLineWithoutLineEndKeepsItsLastField)
{
    writeFile(options, "4,2,2,1,0,1,34");
    EXPECT_EQ(ttt::loadSettings(options).record, (SettingsRecord{4, 2, 2, 1, 0, 1, 34}));
    EXPECT_EQ(fileContent(options), std::string("4,2,2,1,0,1,34\r\n") + defaultLine);
}

TEST_F(SettingsFileTest, SaveLeavesExactlyOneLine)
{
    writeFile(options, "1,1,1,1,1,1,1\r\n" + defaultLine);
    EXPECT_FALSE(ttt::saveSettings(options, {4, 2, 2, 1, 0, 1, 34}));
    EXPECT_EQ(fileContent(options), "4,2,2,1,0,1,34\r\n");
    EXPECT_EQ(ttt::loadSettings(options).record, (SettingsRecord{4, 2, 2, 1, 0, 1, 34}));
}

TEST_F(SettingsFileTest, SaveCreatesAMissingFileAndLeavesNoOtherFile)
{
    EXPECT_FALSE(ttt::saveSettings(options, SettingsRecord{}));
    EXPECT_EQ(fileContent(options), defaultLine);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(SettingsFileTest, PictureSetFileHoldsOneLine)
{
    const fs::path cardset = folder / "cardset.ttt";
    writeFile(cardset, "old content that is longer\r\n");
    EXPECT_FALSE(ttt::savePictureSet(cardset, 1));
    EXPECT_EQ(fileContent(cardset), "1\r\n");
    EXPECT_FALSE(ttt::savePictureSet(cardset, 34));
    EXPECT_EQ(fileContent(cardset), "34\r\n");
}

TEST_F(SettingsFileTest, SavingKeepsTheFilePermissions)
{
    writeFile(options, defaultLine);
    fs::permissions(options, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_FALSE(ttt::saveSettings(options, SettingsRecord{}));
    EXPECT_EQ(fs::status(options).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(SettingsFileTest, SavingThroughALinkReplacesTheLinkedFile)
{
    const fs::path real = folder / "real.ttt";
    writeFile(real, defaultLine);
    fs::create_symlink(real, options);
    ASSERT_FALSE(ttt::saveSettings(options, {4, 2, 2, 1, 0, 1, 34}));
    EXPECT_TRUE(fs::is_symlink(options));
    EXPECT_EQ(fileContent(real), "4,2,2,1,0,1,34\r\n");
}

TEST_F(SettingsFileTest, UnclosedQuoteGivesDefaultsForTheRestAndSaysSo)
{
    writeFile(options, "1,\"2,2,1,0,1,34\r\n");
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, (SettingsRecord{1, 1, 1, 0, 1, 0, 16}));
    EXPECT_TRUE(loaded.problem);
}

TEST_F(SettingsFileTest, DirectoryNamedLikeTheFileGivesDefaultsAndAMessage)
{
    fs::create_directory(options);
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, SettingsRecord{});
    EXPECT_EQ(loaded.problem.kind, ttt::SettingsProblem::Kind::Unreadable);
    EXPECT_EQ(loaded.problem.error, ttt::systemError(EISDIR));
    EXPECT_EQ(ttt::saveSettings(options, SettingsRecord{}).error, ttt::systemError(EISDIR));
    EXPECT_TRUE(fs::is_directory(options));
    EXPECT_TRUE(fs::is_empty(options));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1)
        << "a failed save left a file behind";
}

TEST_F(SettingsFileTest, PipeNamedLikeTheFileNeitherHangsNorIsRead)
{
    ASSERT_EQ(::mkfifo(options.c_str(), 0600), 0);
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, SettingsRecord{});
    EXPECT_TRUE(loaded.problem);
}

TEST_F(SettingsFileTest, FileThatCannotBeCreatedGivesDefaultsAndAMessage)
{
    const fs::path nowhere = folder / "no such folder" / "options.ttt";
    const ttt::LoadedSettings loaded = ttt::loadSettings(nowhere);
    EXPECT_EQ(loaded.record, SettingsRecord{});
    EXPECT_EQ(loaded.problem.kind, ttt::SettingsProblem::Kind::NotCreated);
    EXPECT_TRUE(ttt::saveSettings(nowhere, SettingsRecord{}));
    EXPECT_TRUE(ttt::savePictureSet(folder / "no such folder" / "cardset.ttt", 16));
}

TEST_F(SettingsFileTest, UnreadableFileGivesDefaultsAndIsLeftAlone)
{
    RUN_AS_NOBODY_WHEN_PERMISSIONS_DO_NOT_APPLY(skipReason);
    writeFile(options, "4,2,2,1,0,1,34\r\n");
    fs::permissions(options, fs::perms::owner_write);
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, SettingsRecord{});
    EXPECT_EQ(loaded.problem.kind, ttt::SettingsProblem::Kind::Unreadable);
    EXPECT_EQ(loaded.problem.error, ttt::systemError(EACCES));
    // The defaults it fell back on must not replace the record it could not read.
    const ttt::SettingsProblem atExit = ttt::saveSettings(options, loaded.record);
    EXPECT_EQ(atExit.kind, ttt::SettingsProblem::Kind::UnreadableNotSaved);
    EXPECT_EQ(atExit.error, ttt::systemError(EACCES));
    fs::permissions(options, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fileContent(options), "4,2,2,1,0,1,34\r\n") << "nothing may be written";
}

TEST_F(SettingsFileTest, ReadOnlyFileIsLoadedButNotReplaced)
{
    RUN_AS_NOBODY_WHEN_PERMISSIONS_DO_NOT_APPLY(skipReason);
    writeFile(options, "4,2,2,1,0,1,34\r\n");
    fs::permissions(options, fs::perms::owner_read);
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, (SettingsRecord{4, 2, 2, 1, 0, 1, 34}));
    EXPECT_EQ(loaded.problem.kind, ttt::SettingsProblem::Kind::WillNotBeSaved); // told at once
    EXPECT_TRUE(ttt::saveSettings(options, SettingsRecord{}));
    EXPECT_EQ(fileContent(options), "4,2,2,1,0,1,34\r\n");
}

TEST_F(SettingsFileTest, ReadOnlyFolderGivesDefaultsAndSaveReportsIt)
{
    RUN_AS_NOBODY_WHEN_PERMISSIONS_DO_NOT_APPLY(skipReason);
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, SettingsRecord{});
    EXPECT_EQ(loaded.problem.kind, ttt::SettingsProblem::Kind::NotCreated);
    EXPECT_TRUE(ttt::saveSettings(options, SettingsRecord{}));
    EXPECT_TRUE(ttt::savePictureSet(folder / "cardset.ttt", 16));
    EXPECT_FALSE(fs::exists(options));
}

TEST_F(SettingsFileTest, MultiMegabyteFileReadsItsFirstRecord)
{
    std::string content = "4,2,2,1,0,1,34\r\n";
    content += std::string(5 << 20, 'x');
    writeFile(options, content);
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, (SettingsRecord{4, 2, 2, 1, 0, 1, 34}));
    EXPECT_FALSE(loaded.problem);
    // The file's last line has no line end, so the default line starts a new one.
    EXPECT_EQ(fs::file_size(options), content.size() + 18);
}

TEST_F(SettingsFileTest, MultiMegabyteFieldIsNotGuessed)
{
    // The fifth field runs on past everything the game reads: it and the rest keep
    // their defaults, and the user is told.
    writeFile(options, "4,2,2,1," + std::string(3 << 20, '7'));
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, (SettingsRecord{4, 2, 2, 1, 1, 0, 16}));
    EXPECT_TRUE(loaded.problem);
}

TEST_F(SettingsFileTest, MillionCommasReadAsEmptyFields)
{
    writeFile(options, std::string(1'000'000, ','));
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, (SettingsRecord{3, 0, 0, 0, 0, 0, 16}));
    EXPECT_FALSE(loaded.problem);
}

} // namespace
