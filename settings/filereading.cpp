// SPDX-License-Identifier: GPL-3.0-or-later
#include "filereading.h"

#include "settings/filehandle.h"
#include "settings/filetarget.h"
#include "settings/rawio.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ttt {

namespace {

std::string lastByteOf(int fd)
{
    struct stat info = {};
    char last = 0;
    if (::fstat(fd, &info) != 0 || info.st_size <= 0 ||
        ::pread(fd, &last, 1, info.st_size - 1) != 1)
        return {};
    return std::string(1, last);
}

// Reads the start of an open file as readFileStart describes.
FileStart readOpenFile(int fd, std::size_t maxBytes)
{
    FileStart result;
    result.error = notRegularError(fd);
    if (result.error)
        return result;
    // One byte more than asked tells whether the file goes on.
    const std::size_t wanted = maxBytes + 1;
    std::size_t got = 0;
    for (std::size_t chunk = 4096; got < wanted; chunk *= 2) {
        result.text.resize(std::min(wanted, got + chunk));
        const long more = readFully(fd, result.text.data() + got, result.text.size() - got);
        if (more < 0) {
            result.error = systemError(errno);
            result.text.clear();
            return result;
        }
        got += static_cast<std::size_t>(more);
        if (got < result.text.size())
            break; // end of file
    }
    result.wholeFile = got <= maxBytes;
    result.text.resize(result.wholeFile ? got : maxBytes);
    result.lastByte =
        result.wholeFile ? result.text.substr(result.text.empty() ? 0 : got - 1) : lastByteOf(fd);
    return result;
}

// The start of the file an open attempt gave, or why there is none.
FileStart readOpened(int fd, std::size_t maxBytes)
{
    const FileHandle handle(fd);
    if (handle.isOpen())
        return readOpenFile(handle.fd(), maxBytes);
    FileStart result;
    result.missing = errno == ENOENT;
    if (!result.missing)
        result.error = systemError(errno);
    return result;
}

} // namespace

FileStart readFileStart(const std::filesystem::path& file, std::size_t maxBytes)
{
    if (FileError error = notRegularPathError(file.c_str()))
        return {{}, true, false, error, {}};
    return readOpened(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC), maxBytes);
}

FileStart readFileStart(const TargetFolder& folder, std::size_t maxBytes)
{
    if (!folder.isOpen()) {
        errno = folder.openError();
        return readOpened(-1, maxBytes);
    }
    // Looked at before it is opened: opening a device can be enough to set it going.
    struct stat status = {};
    if (::fstatat(folder.fd(), folder.name().c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0)
        if (FileError error = notRegularTypeError(status.st_mode))
            return {{}, true, false, error, {}};
    return readOpened(folder.openFile(O_RDONLY | O_NONBLOCK), maxBytes);
}

FileError appendToFile(const TargetFolder& folder, std::string_view text)
{
    FileHandle handle(folder.openFile(O_WRONLY | O_APPEND | O_NONBLOCK));
    if (!handle.isOpen())
        return systemError(errno);
    // A file that may not be written in place reads just as well without the line.
    if (FileError error = writeInPlaceError(handle.fd()))
        return error;
    if (!writeFully(handle.fd(), text))
        return systemError(errno);
    if (!handle.close())
        return systemError(errno);
    return {};
}

} // namespace ttt
