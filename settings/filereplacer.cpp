// SPDX-License-Identifier: GPL-3.0-or-later
#include "filereplacer.h"

#include "settings/filehandle.h"
#include "settings/rawio.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace ttt {

namespace {

namespace fs = std::filesystem;

// Where a save really goes: the file a chain of symbolic links leads to (it may not
// exist yet), else the file itself; or why that could not be found out.
struct SaveTarget
{
    fs::path path;
    FileError error;
};

SaveTarget followLinks(const fs::path& file)
{
    constexpr int maxLinks = 40; // as many as the system itself follows
    fs::path path = file;
    for (int link = 0; link < maxLinks; ++link) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return {path, {}};
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            return {path, systemError(error.value())};
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return {path, systemError(ELOOP)};
}

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The name of a replacement's new file: "FILE.PID-N.tmp", N counting attempts.
constexpr int maxAttempts = 100;
constexpr std::string_view tempSuffix = ".tmp";

std::string tempName(const fs::path& file, pid_t pid, int attempt)
{
    return file.string() + "." + std::to_string(pid) + "-" + std::to_string(attempt) +
           std::string(tempSuffix);
}

// Digits as std::to_string writes them: no sign, no leading zero.
bool isWrittenNumber(std::string_view text)
{
    if (text.empty() || (text.size() > 1 && text[0] == '0'))
        return false;
    return text.find_first_not_of("0123456789") == std::string_view::npos;
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
    const std::string_view attempt = name.substr(dash + 1);
    long value = 0;
    if (!isWrittenNumber(pid) || !isWrittenNumber(attempt) ||
        attempt.size() > std::to_string(maxAttempts - 1).size() ||
        std::from_chars(pid.data(), pid.data() + pid.size(), value).ec != std::errc() ||
        value > INT_MAX)
        return 0;
    return static_cast<pid_t>(value);
}

// Creates a new, empty file beside the given one, with a name no one else uses.
int createTempBeside(const fs::path& file, fs::path& name)
{
    for (int attempt = 0; attempt < maxAttempts; ++attempt) {
        name = tempName(file, ::getpid(), attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

Access accessTo(const fs::path& path, const struct stat& old)
{
    if (FileError error = notRegularTypeError(old.st_mode))
        return {error};
    if (::access(path.c_str(), W_OK) == 0)
        return {};
    if (errno != EACCES || old.st_uid == ::geteuid())
        return {systemError(errno)};
    return {{}, true};
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
FileError rewriteInPlace(const fs::path& file, std::string_view content)
{
    FileHandle handle(
        ::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!handle.isOpen())
        return systemError(errno);
    if (FileError error = notRegularError(handle.fd()))
        return error;
    if (!writeFully(handle.fd(), content) ||
        ::ftruncate(handle.fd(), static_cast<off_t>(content.size())) != 0 ||
        ::fsync(handle.fd()) != 0 || !handle.close())
        return systemError(errno);
    return {};
}

// Makes the rename itself survive a crash of the whole system, where the folder allows.
void syncFolder(const fs::path& file)
{
    const FileHandle handle(::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
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

} // namespace

FileError replaceFileContent(const fs::path& file, std::string_view content,
                             const ReplaceObserver& observer)
{
    const SaveTarget target = followLinks(file);
    if (target.error)
        return target.error;
    struct stat old = {};
    const bool exists = ::lstat(target.path.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return systemError(errno);
    const Access access = exists ? accessTo(target.path, old) : Access{};
    if (access.error)
        return access.error;
    // The file itself may be written where no new one can take its place.
    const bool writable = exists && !access.foreign;
    fs::path temp;
    FileHandle handle(createTempBeside(target.path, temp));
    if (!handle.isOpen()) {
        const FileError failure = systemError(errno);
        if (writable &&
            (folderTakesNoNewFile(failure.errorNumber) || fitsInPlace(failure, old, content)))
            return rewriteInPlace(target.path, content);
        if (failure.errorNumber == ENOENT && target.path != file)
            return {FileError::Cause::LinkIntoMissingFolder, 0, target.path};
        return failure;
    }
    notify(observer, ReplaceStep::TempCreated);
    if (exists && !takeOwnerAndMode(handle.fd(), old, access.foreign)) {
        handle.close();
        ::unlink(temp.c_str());
        return rewriteInPlace(target.path, content);
    }
    FileError failure = writeTemp(handle, content);
    if (!failure) {
        notify(observer, ReplaceStep::TempWritten);
        if (::rename(temp.c_str(), target.path.c_str()) != 0)
            failure = systemError(errno);
    }
    if (failure) {
        ::unlink(temp.c_str());
        return writable && fitsInPlace(failure, old, content) ? rewriteInPlace(target.path, content)
                                                              : failure;
    }
    notify(observer, ReplaceStep::Renamed);
    syncFolder(target.path);
    return {};
}

FileError foreseeReplaceError(const fs::path& file)
{
    const SaveTarget target = followLinks(file);
    if (target.error)
        return target.error;
    struct stat old = {};
    if (::lstat(target.path.c_str(), &old) != 0)
        return {}; // made anew at the next save, as at start-up
    const Access access = accessTo(target.path, old);
    if (access.error || !access.foreign)
        return access.error;
    // Another user's file is replaced by rename: the folder must take a new file, and
    // in a sticky folder the file must be the player's or the folder theirs.
    struct stat folder = {};
    const fs::path folderPath = folderOf(target.path);
    if (::access(folderPath.c_str(), W_OK | X_OK) != 0 || ::stat(folderPath.c_str(), &folder) != 0)
        return systemError(errno);
    if ((folder.st_mode & S_ISVTX) && folder.st_uid != ::geteuid())
        return systemError(EACCES);
    return {};
}

void removeReplaceLeftovers(const fs::path& file)
{
    const SaveTarget target = followLinks(file);
    if (target.error)
        return;
    const std::string fileName = target.path.filename().string();
    if (fileName.empty())
        return;
    std::vector<fs::path> leftovers;
    std::error_code error;
    for (fs::directory_iterator entry(folderOf(target.path), error), end; !error && entry != end;
         entry.increment(error)) {
        const pid_t pid = tempNamePid(entry->path().filename().string(), fileName);
        std::error_code statusError;
        if (pid <= 0 || entry->symlink_status(statusError).type() != fs::file_type::regular)
            continue;
        // A process that still runs may still rename its file; one that cannot be asked
        // about is taken to run.
        if (::kill(pid, 0) != 0 && errno == ESRCH)
            leftovers.push_back(entry->path());
    }
    for (const fs::path& leftover : leftovers)
        ::unlink(leftover.c_str());
}

} // namespace ttt
