// SPDX-License-Identifier: GPL-3.0-or-later
// What start-up and the saves do with whatever stands at a settings file's name other
// than a plain file in a writable folder: special files, links, a file of another
// owner, a read-only folder, the leftovers of killed saves and a byte-order mark.
#include "settings/filereplacer.h"
#include "settings/filetarget.h"
#include "settings/settingsfile.h"
#include "settings/settingstext.h"

#include "scratchfolder.h"
#include "unprivilegedrun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <functional>
#include <iterator>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using ttt::SettingsRecord;
using ttt::test::fileContent;
using ttt::test::writeFile;

const std::string savedLine = "4,2,2,1,0,1,34\r\n";
const SettingsRecord savedRecord{4, 2, 2, 1, 0, 1, 34};
const std::string appendedDefaultLine = ttt::settingsLine(ttt::SettingsRecord{});
const std::string byteOrderMark = "\xEF\xBB\xBF";
constexpr const char* rootSkipReason = "permission bits do not stop this user (running as root?)";

long entryCount(const fs::path& folder)
{
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

struct stat statusOf(const fs::path& path)
{
    struct stat info = {};
    ::lstat(path.c_str(), &info);
    return info;
}

// --- Anything but a regular file is neither read nor written ---

enum class Special { Pipe, Socket, LinkToPipe, LinkToDevice };

bool makeSocket(const fs::path& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    path.string().copy(address.sun_path, sizeof address.sun_path - 1);
    const bool made = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return made;
}

// Makes the special file for `at`: there itself, or for a link in `elsewhere` with a
// link to it at `at`. A device is a private copy of the node of /dev/zero where this
// process may make one, else a pipe. Returns the special file.
fs::path makeSpecial(Special kind, const fs::path& at, const fs::path& elsewhere)
{
    const bool linked = kind == Special::LinkToPipe || kind == Special::LinkToDevice;
    const fs::path special = linked ? elsewhere / at.filename() : at;
    bool made = false;
    if (kind == Special::Socket)
        made = makeSocket(special);
    else if (kind == Special::LinkToDevice)
        made = ::mknod(special.c_str(), S_IFCHR | 0666, ::makedev(1, 5)) == 0;
    if (!made && kind != Special::Socket)
        made = ::mkfifo(special.c_str(), 0666) == 0;
    EXPECT_TRUE(made) << special;
    if (linked)
        fs::create_symlink(special, at);
    return special;
}

// What the game must say the file is: what was made, as the file system names it
// (a device where the test could make one, else a pipe).
ttt::FileError errorOf(const fs::path& special)
{
    using Cause = ttt::FileError::Cause;
    const fs::file_type type = fs::status(special).type();
    return {type == fs::file_type::fifo     ? Cause::NamedPipe
            : type == fs::file_type::socket ? Cause::Socket
                                            : Cause::Device,
            0,
            {}};
}

struct SpecialCase
{
    const char* name;
    Special kind;
};

class SpecialFileTest : public testing::TestWithParam<SpecialCase>
{
};

TEST_P(SpecialFileTest, IsNeitherReadNorReplacedAndTheUserIsTold)
{
    const ttt::test::ScratchFolder folder;
    const fs::path elsewhere = folder / "elsewhere";
    fs::create_directory(elsewhere);
    const fs::path options = folder / ttt::settingsFileName;
    const fs::path cardset = folder / ttt::pictureSetFileName;
    const fs::path specials[] = {makeSpecial(GetParam().kind, options, elsewhere),
                                 makeSpecial(GetParam().kind, cardset, elsewhere)};
    const struct stat before[] = {statusOf(options), statusOf(specials[0]), statusOf(cardset),
                                  statusOf(specials[1])};

    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, SettingsRecord{});
    EXPECT_EQ(loaded.problem.kind, ttt::SettingsProblem::Kind::Unreadable);
    EXPECT_EQ(loaded.problem.error, errorOf(specials[0]));
    const ttt::SettingsProblem atExit = ttt::saveSettings(options, savedRecord);
    EXPECT_EQ(atExit.kind, ttt::SettingsProblem::Kind::NotSaved);
    EXPECT_EQ(atExit.error, errorOf(specials[0]));
    const ttt::SettingsProblem atChoice = ttt::savePictureSet(cardset, 34);
    EXPECT_EQ(atChoice.kind, ttt::SettingsProblem::Kind::PictureSetNotSaved);
    EXPECT_EQ(atChoice.error, errorOf(specials[1]));

    const struct stat after[] = {statusOf(options), statusOf(specials[0]), statusOf(cardset),
                                 statusOf(specials[1])};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(after[i].st_ino, before[i].st_ino) << i;
        EXPECT_EQ(after[i].st_mode, before[i].st_mode) << i;
        EXPECT_EQ(after[i].st_rdev, before[i].st_rdev) << i;
    }
    EXPECT_EQ(entryCount(folder.path()), 3) << "a refused save left a file behind";
}

INSTANTIATE_TEST_SUITE_P(Kinds, SpecialFileTest,
                         testing::Values(SpecialCase{"Pipe", Special::Pipe},
                                         SpecialCase{"Socket", Special::Socket},
                                         SpecialCase{"LinkToPipe", Special::LinkToPipe},
                                         SpecialCase{"LinkToDevice", Special::LinkToDevice}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Links ---

TEST(SettingsLinks, AreFollowedToTheFileTheyLeadToAndStayLinks)
{
    const ttt::test::ScratchFolder folder;
    fs::create_directory(folder / "sub");
    const fs::path options = folder / ttt::settingsFileName;
    const fs::path cardset = folder / ttt::pictureSetFileName;
    writeFile(folder / "sub" / "real.ttt", savedLine);
    fs::create_symlink("middle.ttt", options); // a chain of relative links
    fs::create_symlink("sub/real.ttt", folder / "middle.ttt");
    fs::create_symlink("sub/picture.ttt", cardset); // not there yet

    EXPECT_EQ(ttt::loadSettings(options).record, savedRecord);
    EXPECT_FALSE(ttt::saveSettings(options, SettingsRecord{}));
    EXPECT_FALSE(ttt::savePictureSet(cardset, 34));

    EXPECT_EQ(fileContent(folder / "sub" / "real.ttt"), appendedDefaultLine);
    EXPECT_EQ(fileContent(folder / "sub" / "picture.ttt"), "34\r\n");
    EXPECT_EQ(fs::read_symlink(options), "middle.ttt");
    EXPECT_EQ(fs::read_symlink(folder / "middle.ttt"), "sub/real.ttt");
    EXPECT_EQ(fs::read_symlink(cardset), "sub/picture.ttt");
    EXPECT_EQ(entryCount(folder.path()), 4);
    EXPECT_EQ(entryCount(folder / "sub"), 2);
}

TEST(SettingsLinks, LinkIntoAMissingFolderIsLeftAloneWithAWarning)
{
    const ttt::test::ScratchFolder folder;
    const fs::path options = folder / ttt::settingsFileName;
    const fs::path cardset = folder / ttt::pictureSetFileName;
    fs::create_symlink("gone/options.ttt", options);
    fs::create_symlink("gone/cardset.ttt", cardset);

    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, SettingsRecord{});
    using Cause = ttt::FileError::Cause;
    EXPECT_EQ(loaded.problem.kind, ttt::SettingsProblem::Kind::NotCreated);
    EXPECT_EQ(loaded.problem.error,
              (ttt::FileError{Cause::LinkIntoMissingFolder, 0, folder / "gone/options.ttt"}));
    EXPECT_EQ(ttt::saveSettings(options, savedRecord).error,
              (ttt::FileError{Cause::LinkIntoMissingFolder, 0, folder / "gone/options.ttt"}));
    EXPECT_EQ(ttt::savePictureSet(cardset, 34).error,
              (ttt::FileError{Cause::LinkIntoMissingFolder, 0, folder / "gone/cardset.ttt"}));

    EXPECT_EQ(fs::read_symlink(options), "gone/options.ttt");
    EXPECT_EQ(fs::read_symlink(cardset), "gone/cardset.ttt");
    EXPECT_EQ(entryCount(folder.path()), 2);
}

TEST(SettingsLinks, OnlyThePlayersOwnAreFollowedWhateverTheFolder)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs links of another user, made as root";
    // The player ("nobody") runs the game in a folder of another user who may write
    // there; the links lead to the player's own file.
    constexpr uid_t root = 0, player = 65534, other = 4242;
    struct Case
    {
        const char* name;
        mode_t folderMode;
        uid_t linkOwner;
        bool followed;
    };
    const Case cases[] = {
        {"the folder owner's link, sticky folder", 01777, other, false},
        {"the folder owner's link, folder without the sticky bit", 0777, other, false},
        {"root's link, sticky folder", 01777, root, false},
        {"the player's own link, sticky folder", 01777, player, true},
        {"the player's own link, folder without the sticky bit", 0777, player, true},
    };
    using Cause = ttt::FileError::Cause;
    for (const Case& c : cases) {
        const ttt::test::ScratchFolder folder;
        const fs::path shared = folder / "shared", victim = folder / "victim";
        const fs::path options = shared / ttt::settingsFileName;
        const fs::path cardset = shared / ttt::pictureSetFileName;
        fs::create_directory(shared);
        writeFile(victim, savedLine);
        for (const fs::path& link : {options, cardset}) {
            fs::create_symlink(victim, link);
            ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
        }
        ASSERT_EQ(::chown(victim.c_str(), player, player), 0);
        ASSERT_EQ(::chown(shared.c_str(), other, other), 0);
        ASSERT_EQ(::chmod(shared.c_str(), c.folderMode), 0);
        ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
        const ttt::test::UnprivilegedRun run = ttt::test::runAsNobody([&] {
            const bool refused =
                ttt::loadSettings(options).problem.error.cause == Cause::RefusedLink;
            return refused != c.followed &&
                   (ttt::saveSettings(options, savedRecord).error.cause == Cause::RefusedLink) ==
                       refused &&
                   (ttt::savePictureSet(cardset, 34).error.cause == Cause::RefusedLink) == refused;
        });
        if (run.outcome == ttt::test::UnprivilegedRun::Impossible)
            GTEST_SKIP() << "needs another user's links: " << run.output;
        EXPECT_EQ(run.outcome, ttt::test::UnprivilegedRun::Passed) << c.name << ": " << run.output;
        EXPECT_EQ(fileContent(victim), c.followed ? ttt::pictureSetLine(34) : savedLine) << c.name;
        EXPECT_TRUE(fs::is_symlink(options) && fs::is_symlink(cardset)) << c.name;
    }
}

TEST(SettingsLinks, ARefusedLinkIsNeitherReadNorWrittenThrough)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs links of another user, made as root";
    const ttt::test::ScratchFolder folder;
    fs::create_directory(folder / "play");
    const fs::path options = folder / "play" / ttt::settingsFileName;
    const fs::path cardset = folder / "play" / ttt::pictureSetFileName;
    writeFile(folder / "victim", savedLine);
    fs::create_symlink(folder / "victim", options);
    fs::create_symlink(folder / "missing", cardset);
    for (const fs::path& made : {folder / "play", options, cardset})
        ASSERT_EQ(::lchown(made.c_str(), 65534, 65534), 0);

    using Cause = ttt::FileError::Cause;
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, SettingsRecord{});
    EXPECT_EQ(loaded.problem.kind, ttt::SettingsProblem::Kind::NotUsed);
    EXPECT_EQ(loaded.problem.error, (ttt::FileError{Cause::RefusedLink, 0, options}));
    EXPECT_EQ(ttt::saveSettings(options, savedRecord).error.cause, Cause::RefusedLink);
    EXPECT_EQ(ttt::savePictureSet(cardset, 34).error.cause, Cause::RefusedLink);

    EXPECT_EQ(fileContent(folder / "victim"), savedLine);
    EXPECT_FALSE(fs::exists(folder / "missing"));
    EXPECT_EQ(entryCount(folder / "play"), 2);
}

TEST(SettingsLinks, FilesOfTheSystemsOwnFileSystemsAreNeverWritten)
{
    // The player's own links to a file under /proc that looks like a regular one: this
    // process's name, which a write would change.
    const ttt::test::ScratchFolder folder;
    const fs::path options = folder / ttt::settingsFileName;
    const fs::path cardset = folder / ttt::pictureSetFileName;
    const fs::path name = "/proc/" + std::to_string(::getpid()) + "/comm";
    fs::create_symlink(name, options);
    fs::create_symlink(name, cardset);
    const std::string before = fileContent(name);

    const ttt::FileError refused{ttt::FileError::Cause::SystemFileSystem, 0, {}};
    EXPECT_EQ(ttt::loadSettings(options).problem.error, refused);
    EXPECT_EQ(ttt::saveSettings(options, savedRecord).error, refused);
    EXPECT_EQ(ttt::savePictureSet(cardset, 34).error, refused);
    EXPECT_EQ(fileContent(name), before);
}

// --- Owner, group and permissions ---

TEST(SettingsOwner, ReplacingAnotherUsersFileKeepsItsOwnerGroupAndPermissions)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can save over a file that belongs to someone else";
    const ttt::test::ScratchFolder folder;
    const fs::path options = folder / ttt::settingsFileName;
    writeFile(options, savedLine);
    ASSERT_EQ(::chown(options.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(options.c_str(), 0640), 0);
    EXPECT_EQ(ttt::loadSettings(options).record, savedRecord);
    EXPECT_FALSE(ttt::saveSettings(options, SettingsRecord{}));
    const struct stat after = statusOf(options);
    EXPECT_EQ(after.st_uid, 65534u);
    EXPECT_EQ(after.st_gid, 65534u);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(fileContent(options), appendedDefaultLine);
}

TEST(SettingsOwner, FileWhoseOwnerCannotBeKeptIsRewrittenInPlace)
{
    // Root's file, writable by all, in a folder where all may create files: the user
    // "nobody" can write it but could not give a new file root's ownership.
    const ttt::test::ScratchFolder folder;
    const fs::path options = folder / ttt::settingsFileName;
    writeFile(options, savedLine + appendedDefaultLine);
    ASSERT_EQ(::chmod(options.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
    const struct stat before = statusOf(options);
    const ttt::test::UnprivilegedRun run =
        ttt::test::runAsNobody([&] { return !ttt::saveSettings(options, savedRecord); });
    if (run.outcome == ttt::test::UnprivilegedRun::Impossible)
        GTEST_SKIP() << "needs a file of another owner: " << run.output;
    EXPECT_EQ(run.outcome, ttt::test::UnprivilegedRun::Passed) << run.output;
    const struct stat after = statusOf(options);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(fileContent(options), savedLine);
    EXPECT_EQ(entryCount(folder.path()), 1);
}

TEST(SettingsOwner, RootsFileInTheUsersFolderIsReplacedByTheUsersOwn)
{
    // A run as root made the file in the folder of the user "nobody", who runs next.
    const ttt::test::ScratchFolder folder;
    const fs::path options = folder / ttt::settingsFileName;
    EXPECT_EQ(ttt::loadSettings(options).record, SettingsRecord{});
    ASSERT_EQ(::chown(folder.path().c_str(), 65534, 65534), 0);
    const ttt::test::UnprivilegedRun run = ttt::test::runAsNobody([&] {
        return !ttt::loadSettings(options).problem && !ttt::saveSettings(options, savedRecord);
    });
    if (run.outcome == ttt::test::UnprivilegedRun::Impossible)
        GTEST_SKIP() << "needs a file of another owner: " << run.output;
    EXPECT_EQ(run.outcome, ttt::test::UnprivilegedRun::Passed) << run.output;
    EXPECT_EQ(statusOf(options).st_uid, 65534u);
    EXPECT_EQ(statusOf(options).st_mode & 07777, 0644u);
    EXPECT_EQ(fileContent(options), savedLine);
    EXPECT_EQ(entryCount(folder.path()), 1);
}

// --- A full disk ---

// Runs body in a child process that sees a private 64 kB file system on folder, filled
// up but for the settings file; the child's exit status tells whether body held, or 77
// that no such file system could be made.
int onFullFileSystem(const fs::path& folder, const std::function<bool()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
            ::_exit(77);
        writeFile(folder / ttt::settingsFileName, savedLine + appendedDefaultLine);
        writeFile(folder / "filler", std::string(1 << 20, 'x'));
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SettingsFullDisk, ARecordThatFitsIsWrittenInPlaceAndALongerOneIsRefused)
{
    const ttt::test::ScratchFolder folder;
    const fs::path options = folder / ttt::settingsFileName;
    const int status = onFullFileSystem(folder.path(), [&] {
        const ino_t before = statusOf(options).st_ino;
        const bool inPlace = !ttt::saveSettings(options, savedRecord) &&
                             fileContent(options) == savedLine &&
                             statusOf(options).st_ino == before;
        const SettingsRecord longer{4, 2, 2, 1, 0, 10, 34}; // one byte more
        return inPlace && ttt::saveSettings(options, longer).error == ttt::systemError(ENOSPC) &&
               fileContent(options) == savedLine && entryCount(folder.path()) == 2;
    });
    if (status == 77)
        GTEST_SKIP() << "cannot mount a small file system here";
    EXPECT_EQ(status, 0) << "a shorter record written in place, a longer one refused, no file left";
}

// --- A read-only folder ---

TEST(SettingsReadOnlyFolder, WritableFilesAreSavedInPlaceAndKeepOneLine)
{
    RUN_AS_NOBODY_WHEN_PERMISSIONS_DO_NOT_APPLY(rootSkipReason);
    const ttt::test::ScratchFolder folder;
    const fs::path options = folder / ttt::settingsFileName;
    const fs::path cardset = folder / ttt::pictureSetFileName;
    writeFile(options, savedLine);
    writeFile(cardset, "1\r\n");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    for (int run = 0; run < 3; ++run) {
        const ttt::LoadedSettings loaded = ttt::loadSettings(options);
        EXPECT_EQ(loaded.record, savedRecord);
        EXPECT_FALSE(loaded.problem);
        EXPECT_EQ(fileContent(options), savedLine + appendedDefaultLine);
        EXPECT_FALSE(ttt::saveSettings(options, loaded.record));
        EXPECT_EQ(fileContent(options), savedLine) << "after run " << run;
    }
    EXPECT_FALSE(ttt::savePictureSet(cardset, 34));
    EXPECT_EQ(fileContent(cardset), "34\r\n");
    EXPECT_EQ(entryCount(folder.path()), 2);
}

// --- Leftovers of saves that were killed ---

// A child process replaces the file and is killed at the given step; returns its
// process id, which no longer runs.
pid_t killedWhileReplacing(const fs::path& file, ttt::ReplaceStep killedAt)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ttt::replaceFileContent(file, savedLine, [killedAt](ttt::ReplaceStep step) {
            if (step == killedAt)
                ::raise(SIGKILL);
        });
        ::_exit(0); // not reached when the kill happened
    }
    int status = 0;
    const bool killed = child > 0 && ::waitpid(child, &status, 0) == child && WIFSIGNALED(status) &&
                        WTERMSIG(status) == SIGKILL;
    return killed ? child : -1;
}

const std::string someRandom = "0123456789abcdef";

std::string tempName(const std::string& file, pid_t pid, const std::string& random = someRandom)
{
    return file + "." + std::to_string(pid) + "-" + random + ".tmp";
}

// The names in folder that a save by process pid of file may have made.
std::vector<fs::path> tempFilesOf(const fs::path& folder, const std::string& file, pid_t pid)
{
    std::vector<fs::path> found;
    const std::string prefix = file + "." + std::to_string(pid) + "-";
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().starts_with(prefix))
            found.push_back(entry.path());
    return found;
}

TEST(SettingsLeftovers, StartUpRemovesTheNewFilesOfDeadSavesAndNothingElse)
{
    const ttt::test::ScratchFolder folder;
    fs::create_directory(folder / "sub");
    const fs::path options = folder / ttt::settingsFileName;
    const fs::path cardset = folder / ttt::pictureSetFileName; // a link into sub
    writeFile(options, "1,1,1,0,0,0,1\r\n");
    writeFile(folder / "sub" / "picture.ttt", "1\r\n");
    fs::create_symlink("sub/picture.ttt", cardset);
    const pid_t empty = killedWhileReplacing(options, ttt::ReplaceStep::TempCreated);
    const pid_t written = killedWhileReplacing(options, ttt::ReplaceStep::TempWritten);
    const pid_t picture = killedWhileReplacing(cardset, ttt::ReplaceStep::TempWritten);
    ASSERT_GT(empty, 0);
    ASSERT_GT(written, 0);
    ASSERT_GT(picture, 0);
    std::vector<fs::path> leftovers = tempFilesOf(folder.path(), "options.ttt", empty);
    std::ranges::copy(tempFilesOf(folder.path(), "options.ttt", written),
                      std::back_inserter(leftovers));
    std::ranges::copy(tempFilesOf(folder / "sub", "picture.ttt", picture),
                      std::back_inserter(leftovers));
    ASSERT_EQ(leftovers.size(), 3u);
    for (const fs::path& leftover : leftovers)
        ASSERT_TRUE(fs::is_regular_file(leftover)) << leftover;

    const pid_t dead = empty;
    std::vector<fs::path> others = {
        folder / tempName("options.ttt", ::getpid()), // this process runs
        folder / (tempName("options.ttt", dead) + ".bak"),
        folder / tempName("options.ttt", dead, someRandom + "0"),
        folder / tempName("options.ttt", dead, someRandom.substr(1)),
        folder / tempName("options.ttt", dead, "0123456789ABCDEF"),
        folder / ("options.ttt.0" + std::to_string(dead) + "-" + someRandom + ".tmp"),
        folder / ("options.ttt." + std::to_string(dead) + ".tmp"),
        folder / tempName("xoptions.ttt", dead),
        folder / tempName("other.ttt", dead),
        folder / tempName("picture.ttt", dead), // not beside the file the link leads to
    };
    const fs::path foreign = folder / tempName("options.ttt", dead, "fedcba9876543210");
    if (::geteuid() == 0)
        others.push_back(foreign); // another user's: not this user's to remove
    for (const fs::path& other : others)
        writeFile(other, savedLine);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    }
    fs::create_directory(folder / tempName("options.ttt", dead, "1111111111111111"));
    fs::create_symlink(others.front(), folder / tempName("options.ttt", dead, "2222222222222222"));

    EXPECT_EQ(ttt::loadSettings(options).record, (SettingsRecord{1, 1, 1, 0, 0, 0, 1}));

    for (const fs::path& leftover : leftovers)
        EXPECT_FALSE(fs::exists(leftover)) << leftover;
    for (const fs::path& other : others)
        EXPECT_EQ(fileContent(other), savedLine) << other;
    EXPECT_TRUE(fs::is_directory(folder / tempName("options.ttt", dead, "1111111111111111")));
    EXPECT_TRUE(fs::is_symlink(folder / tempName("options.ttt", dead, "2222222222222222")));
    EXPECT_EQ(fileContent(folder / "sub" / "picture.ttt"), "1\r\n");
}

TEST(SettingsLeftovers, NamesPlantedAheadOfASaveCannotBlockIt)
{
    // Every name the old scheme would have tried, for this process and the next ones.
    const ttt::test::ScratchFolder folder;
    const fs::path options = folder / ttt::settingsFileName;
    writeFile(options, savedLine);
    for (pid_t pid = ::getpid(); pid < ::getpid() + 3; ++pid)
        for (int attempt = 0; attempt < 100; ++attempt)
            writeFile(folder / ("options.ttt." + std::to_string(pid) + "-" +
                                std::to_string(attempt) + ".tmp"),
                      "");
    EXPECT_FALSE(ttt::saveSettings(options, SettingsRecord{}));
    EXPECT_EQ(fileContent(options), appendedDefaultLine);
    EXPECT_EQ(entryCount(folder.path()), 301);
}

// --- A byte-order mark ---

TEST(SettingsByteOrderMark, IsSkippedAndAFileOfOnlyTheMarkCountsAsEmpty)
{
    const ttt::test::ScratchFolder folder;
    const fs::path options = folder / ttt::settingsFileName;
    writeFile(options, byteOrderMark + savedLine);
    EXPECT_EQ(ttt::loadSettings(options).record, savedRecord);
    EXPECT_EQ(fileContent(options), byteOrderMark + savedLine + appendedDefaultLine);

    writeFile(options, byteOrderMark);
    const ttt::LoadedSettings loaded = ttt::loadSettings(options);
    EXPECT_EQ(loaded.record, SettingsRecord{});
    EXPECT_FALSE(loaded.problem);
    EXPECT_EQ(fileContent(options), byteOrderMark + appendedDefaultLine);
}

} // namespace
