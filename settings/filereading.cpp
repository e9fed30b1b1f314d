// SPDX-License-Identifier: GPL-3.0-or-later
#include "filereading.h"

#include "settings/filehandle.h"
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

} // namespace

FileStart readFileStart(const std::filesystem::path& file, std::size_t maxBytes)
{
    FileStart result;
    result.error = notRegularPathError(file.c_str());
    if (result.error)
        return result;
    const FileHandle handle(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!handle.isOpen()) {
        result.missing = errno == ENOENT;
        if (!result.missing)
            result.error = systemError(errno);
        return result;
    }
    result.error = notRegularError(handle.fd());
    if (result.error)
        return result;
    // One byte more than asked tells whether the file goes on.
    const std::size_t wanted = maxBytes + 1;
    std::size_t got = 0;
    for (std::size_t chunk = 4096; got < wanted; chunk *= 2) {
        result.text.resize(std::min(wanted, got + chunk));
        const long more =
            readFully(handle.fd(), result.text.data() + got, result.text.size() - got);
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
    result.lastByte = result.wholeFile ? result.text.substr(result.text.empty() ? 0 : got - 1)
                                       : lastByteOf(handle.fd());
    return result;
}

FileError appendToFile(const std::filesystem::path& file, std::string_view text)
{
    if (FileError error = notRegularPathError(file.c_str()))
        return error;
    FileHandle handle(::open(
        file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (!handle.isOpen())
        return systemError(errno);
    if (FileError error = notRegularError(handle.fd()))
        return error;
    if (!writeFully(handle.fd(), text))
        return systemError(errno);
    if (!handle.close())
        return systemError(errno);
    return {};
}

} // namespace ttt
