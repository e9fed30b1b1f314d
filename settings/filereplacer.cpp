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
    FileTrouble trouble;
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
            return {path, systemTrouble(error.value())};
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return {path, systemTrouble(ELOOP)};
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

// Gives the new file the old one's owner, group and permissions; false when it cannot
// have them.
bool takeOwnerAndMode(int fd, const struct stat& old)
{
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
FileTrouble rewriteInPlace(const fs::path& file, std::string_view content)
{
    FileHandle handle(
        ::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!handle.isOpen())
        return systemTrouble(errno);
    if (FileTrouble trouble = notRegularTrouble(handle.fd()))
        return trouble;
    if (!writeFully(handle.fd(), content) ||
        ::ftruncate(handle.fd(), static_cast<off_t>(content.size())) != 0 ||
        ::fsync(handle.fd()) != 0 || !handle.close())
        return systemTrouble(errno);
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

// Writes content into the new file and closes it; returns why that failed, or no trouble.
FileTrouble writeTemp(FileHandle& handle, std::string_view content)
{
    if (!writeFully(handle.fd(), content) || ::fsync(handle.fd()) != 0)
        return systemTrouble(errno);
    if (!handle.close())
        return systemTrouble(errno);
    return {};
}

} // namespace

FileTrouble replaceFileContent(const fs::path& file, std::string_view content,
                               const ReplaceObserver& observer)
{
    const SaveTarget target = followLinks(file);
    if (target.trouble)
        return target.trouble;
    struct stat old = {};
    const bool exists = ::lstat(target.path.c_str(), &old) == 0;
    if (!exists && errno != ENOENT)
        return systemTrouble(errno);
    if (exists) {
        if (FileTrouble trouble = notRegularTypeTrouble(old.st_mode))
            return trouble;
        if (::access(target.path.c_str(), W_OK) != 0)
            return systemTrouble(errno);
    }
    fs::path temp;
    FileHandle handle(createTempBeside(target.path, temp));
    if (!handle.isOpen()) {
        const int failure = errno;
        if (exists && folderTakesNoNewFile(failure))
            return rewriteInPlace(target.path, content);
        if (failure == ENOENT && target.path != file)
            return {FileTrouble::Cause::LinkIntoMissingFolder, 0, target.path};
        return systemTrouble(failure);
    }
    notify(observer, ReplaceStep::TempCreated);
    if (exists && !takeOwnerAndMode(handle.fd(), old)) {
        handle.close();
        ::unlink(temp.c_str());
        return rewriteInPlace(target.path, content);
    }
    FileTrouble failure = writeTemp(handle, content);
    if (!failure) {
        notify(observer, ReplaceStep::TempWritten);
        if (::rename(temp.c_str(), target.path.c_str()) != 0)
            failure = systemTrouble(errno);
    }
    if (failure) {
        ::unlink(temp.c_str());
        return failure;
    }
    notify(observer, ReplaceStep::Renamed);
    syncFolder(target.path);
    return {};
}

void removeReplaceLeftovers(const fs::path& file)
{
    const SaveTarget target = followLinks(file);
    if (target.trouble)
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
