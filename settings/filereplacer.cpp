#include "filereplacer.h"

#include "settings/filehandle.h"
#include "settings/rawio.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace ttt {

namespace {

namespace fs = std::filesystem;

// The file a save really replaces: the target of a symbolic link, else the file itself.
fs::path replacedFile(const fs::path& file)
{
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(file, error)))
        return file;
    const fs::path target = fs::weakly_canonical(file, error);
    return error ? file : target;
}

// Creates a new, empty file beside the given one, with a name no one else uses.
int createTempBeside(const fs::path& file, fs::path& tempName)
{
    const std::string stem = file.string() + "." + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = stem + std::to_string(attempt) + ".tmp";
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives the new file the old one's permissions, so replacing keeps them.
void copyPermissions(const fs::path& from, int fd)
{
    struct stat info = {};
    if (::stat(from.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        ::fchmod(fd, info.st_mode & 07777);
}

// Makes the rename itself survive a crash of the whole system, where the folder allows.
void syncFolder(const fs::path& file)
{
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const FileHandle handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.isOpen())
        ::fsync(handle.fd());
}

void notify(const ReplaceObserver& observer, ReplaceStep step)
{
    if (observer)
        observer(step);
}

// Writes content into the new file and closes it; returns why that failed, or "".
std::string writeTemp(FileHandle& handle, std::string_view content)
{
    if (!writeFully(handle.fd(), content) || ::fsync(handle.fd()) != 0)
        return errorText(errno);
    if (!handle.close())
        return errorText(errno);
    return {};
}

} // namespace

std::string replaceFileContent(const fs::path& file, std::string_view content,
                               const ReplaceObserver& observer)
{
    const fs::path target = replacedFile(file);
    if (::access(target.c_str(), W_OK) != 0 && errno != ENOENT)
        return errorText(errno);
    fs::path tempName;
    FileHandle handle(createTempBeside(target, tempName));
    if (!handle.isOpen())
        return errorText(errno);
    notify(observer, ReplaceStep::TempCreated);
    copyPermissions(target, handle.fd());
    std::string failure = writeTemp(handle, content);
    if (failure.empty()) {
        notify(observer, ReplaceStep::TempWritten);
        if (::rename(tempName.c_str(), target.c_str()) != 0)
            failure = errorText(errno);
    }
    if (!failure.empty()) {
        ::unlink(tempName.c_str());
        return failure;
    }
    notify(observer, ReplaceStep::Renamed);
    syncFolder(target);
    return {};
}

} // namespace ttt
