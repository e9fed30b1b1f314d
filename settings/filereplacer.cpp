// SPDX-License-Identifier: GPL-3.0-or-later
#include "filereplacer.h"

#include "settings/filehandle.h"
#include "settings/filetarget.h"
#include "settings/rawio.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <random>
#include <string>
#include <sys/random.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace ttt {

namespace {

namespace fs = std::filesystem;

// The name of a replacement's new file: "FILE.PID-RANDOM.tmp", RANDOM sixteen hex digits
// that no one can foresee, so that no one can take the name first. The process id tells
// later runs whether the save that made it may still be going on.
constexpr int maxAttempts = 100;
constexpr std::size_t randomDigits = 16;
constexpr std::string_view tempSuffix = ".tmp";

std::string tempName(const std::string& fileName, pid_t pid)
{
    std::uint64_t random = 0;
    if (::getrandom(&random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
        random = static_cast<std::uint64_t>(std::random_device{}()) << 32 | std::random_device{}();
    char digits[randomDigits + 1];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(random));
    return fileName + "." + std::to_string(pid) + "-" + digits + std::string(tempSuffix);
}

// The process id in a name tempName made for fileName, or 0 for any other name.
pid_t tempNamePid(std::string_view name, std::string_view fileName)
{
    if (name.size() < fileName.size() + tempSuffix.size() || !name.starts_with(fileName) ||
        !name.ends_with(tempSuffix))
        return 0;
    name.remove_prefix(fileName.size());
    name.remove_suffix(tempSuffix.size());
    const std::size_t dash = name.find('-');
    if (name.empty() || name[0] != '.' || dash == std::string_view::npos)
        return 0;
    const std::string_view pid = name.substr(1, dash - 1);
    const std::string_view random = name.substr(dash + 1);
    long value = 0;
    // Digits as std::to_string writes them: no sign, no leading zero.
    std::from_chars(pid.data(), pid.data() + pid.size(), value);
    if (value <= 0 || value > INT_MAX || std::to_string(value) != pid ||
        random.size() != randomDigits ||
        random.find_first_not_of("0123456789abcdef") != std::string_view::npos)
        return 0;
    return static_cast<pid_t>(value);
}

// Creates a new, empty file in the folder, with a name no one else uses; -1 with errno
// set when that failed.
int createTemp(const TargetFolder& folder, std::string& name)
{
    for (int attempt = 0; attempt < maxAttempts; ++attempt) {
        name = tempName(folder.name(), ::getpid());
        const int fd = ::openat(folder.fd(), name.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Whether a failure to create a file means the folder allows no new file at all, as
// opposed to a full disk or a missing folder.
bool folderTakesNoNewFile(int errorNumber)
{
    return errorNumber == EACCES || errorNumber == EPERM || errorNumber == EROFS;
}

// Whether this process may write the existing file, which is a regular one; when not,
// whether the file belongs to another user (root, after a run as root in the player's
// folder), so that the player may still put a file of their own in its place.
struct Access
{
    FileError error;
    bool foreign = false;
};

Access accessTo(const TargetFolder& folder, const struct stat& old)
{
    if (FileError error = notRegularTypeError(old.st_mode))
        return {error};
    if (::faccessat(folder.fd(), folder.name().c_str(), W_OK, 0) == 0)
        return {};
    if (errno != EACCES || old.st_uid == ::geteuid())
        return {systemError(errno)};
    return {{}, true};
}

// The file's status, not following a link at its name (one put there since the target
// was resolved counts as something other than a regular file); exists is false when
// nothing is there.
struct Existing
{
    bool exists = false;
    struct stat status = {};
    FileError error;
};

Existing existingFile(const TargetFolder& folder)
{
    Existing existing;
    existing.exists =
        ::fstatat(folder.fd(), folder.name().c_str(), &existing.status, AT_SYMLINK_NOFOLLOW) == 0;
    if (!existing.exists && errno != ENOENT)
        existing.error = systemError(errno);
    return existing;
}

// A full disk (or quota) still lets a record no longer than the file be written over it.
bool fitsInPlace(const FileError& failure, const struct stat& old, std::string_view content)
{
    return failure.cause == FileError::Cause::SystemError &&
           (failure.errorNumber == ENOSPC || failure.errorNumber == EDQUOT) &&
           content.size() <= static_cast<std::size_t>(old.st_size);
}

// Gives the new file the old one's owner, group and permissions; false when it cannot
// have them. In place of another user's file the new one is the player's, with the same
// permissions and always readable and writable by them.
bool takeOwnerAndMode(int fd, const struct stat& old, bool foreign)
{
    if (foreign)
        return ::fchmod(fd, (old.st_mode & 07777) | S_IRUSR | S_IWUSR) == 0;
    struct stat now = {};
    if (::fstat(fd, &now) != 0)
        return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Rewrites a regular file where it is, for when no new file can take its place. The
// new content goes over the old before the rest is cut off, so that a kill part-way
// never leaves the file empty.
FileError rewriteInPlace(const TargetFolder& folder, std::string_view content)
{
    FileHandle handle(folder.openFile(O_WRONLY | O_NONBLOCK));
    if (!handle.isOpen())
        return systemError(errno);
    if (FileError error = writeInPlaceError(handle.fd()))
        return error;
    if (!writeFully(handle.fd(), content) ||
        ::ftruncate(handle.fd(), static_cast<off_t>(content.size())) != 0 ||
        ::fsync(handle.fd()) != 0 || !handle.close())
        return systemError(errno);
    return {};
}

// Makes the rename itself survive a crash of the whole system, where the folder allows.
void syncFolder(const TargetFolder& folder)
{
    const FileHandle handle(::openat(folder.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.isOpen())
        ::fsync(handle.fd());
}

void notify(const ReplaceObserver& observer, ReplaceStep step)
{
    if (observer)
        observer(step);
}

// Writes content into the new file and closes it; returns why that failed, or no error.
FileError writeTemp(FileHandle& handle, std::string_view content)
{
    if (!writeFully(handle.fd(), content) || ::fsync(handle.fd()) != 0)
        return systemError(errno);
    if (!handle.close())
        return systemError(errno);
    return {};
}

// The open folder of the file a name leads to, or why there is none.
FileError openTargetFolder(const fs::path& file, std::optional<TargetFolder>& folder)
{
    const FileTarget target = resolveFileTarget(file);
    if (target.error)
        return target.error;
    folder.emplace(target.path);
    if (!folder->isOpen()) {
        if (folder->openError() == ENOENT && target.path != file)
            return {FileError::Cause::LinkIntoMissingFolder, 0, target.path};
        return systemError(folder->openError());
    }
    return systemFileSystemError(folder->fd());
}

} // namespace

FileError replaceFileContent(const fs::path& file, std::string_view content,
                             const ReplaceObserver& observer)
{
    std::optional<TargetFolder> opened;
    if (FileError error = openTargetFolder(file, opened))
        return error;
    const TargetFolder& folder = *opened;
    const Existing existing = existingFile(folder);
    if (existing.error)
        return existing.error;
    const struct stat& old = existing.status;
    const Access access = existing.exists ? accessTo(folder, old) : Access{};
    if (access.error)
        return access.error;
    // The file itself may be written where no new one can take its place.
    const bool writable = existing.exists && !access.foreign;
    std::string temp;
    FileHandle handle(createTemp(folder, temp));
    if (!handle.isOpen()) {
        const FileError failure = systemError(errno);
        if (writable &&
            (folderTakesNoNewFile(failure.errorNumber) || fitsInPlace(failure, old, content)))
            return rewriteInPlace(folder, content);
        return failure;
    }
    notify(observer, ReplaceStep::TempCreated);
    if (existing.exists && !takeOwnerAndMode(handle.fd(), old, access.foreign)) {
        handle.close();
        ::unlinkat(folder.fd(), temp.c_str(), 0);
        return rewriteInPlace(folder, content);
    }
    FileError failure = writeTemp(handle, content);
    if (!failure) {
        notify(observer, ReplaceStep::TempWritten);
        if (::renameat(folder.fd(), temp.c_str(), folder.fd(), folder.name().c_str()) != 0)
            failure = systemError(errno);
    }
    if (failure) {
        ::unlinkat(folder.fd(), temp.c_str(), 0);
        return writable && fitsInPlace(failure, old, content) ? rewriteInPlace(folder, content)
                                                              : failure;
    }
    notify(observer, ReplaceStep::Renamed);
    syncFolder(folder);
    return {};
}

FileError foreseeReplaceError(const fs::path& file)
{
    std::optional<TargetFolder> opened;
    if (FileError error = openTargetFolder(file, opened))
        return error;
    const TargetFolder& folder = *opened;
    const Existing existing = existingFile(folder);
    if (!existing.exists)
        return existing.error; // made anew at the next save, as at start-up
    const Access access = accessTo(folder, existing.status);
    if (access.error || !access.foreign)
        return access.error;
    // Another user's file is replaced by rename: the folder must take a new file, and
    // in a sticky folder the file must be the player's or the folder theirs.
    struct stat status = {};
    if (::faccessat(folder.fd(), ".", W_OK | X_OK, 0) != 0 || ::fstat(folder.fd(), &status) != 0)
        return systemError(errno);
    if ((status.st_mode & S_ISVTX) && status.st_uid != ::geteuid())
        return systemError(EACCES);
    return {};
}

void removeReplaceLeftovers(const fs::path& file)
{
    std::optional<TargetFolder> opened;
    if (openTargetFolder(file, opened) || opened->name().empty())
        return;
    const TargetFolder& folder = *opened;
    DIR* listing = ::fdopendir(::openat(folder.fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (listing == nullptr)
        return;
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(listing)) {
        const pid_t pid = tempNamePid(entry->d_name, folder.name());
        struct stat status = {};
        // Only this user's own files, which only its own saves can have left.
        if (pid <= 0 || ::fstatat(folder.fd(), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode) || status.st_uid != ::geteuid())
            continue;
        // A process that still runs may still rename its file; one that cannot be asked
        // about is taken to run.
        if (::kill(pid, 0) != 0 && errno == ESRCH)
            leftovers.emplace_back(entry->d_name);
    }
    ::closedir(listing);
    for (const std::string& leftover : leftovers)
        ::unlinkat(folder.fd(), leftover.c_str(), 0);
}

} // namespace ttt
