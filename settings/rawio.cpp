// SPDX-License-Identifier: GPL-3.0-or-later
#include "rawio.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace ttt {

FileError notRegularTypeError(mode_t mode)
{
    using Cause = FileError::Cause;
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return systemError(EISDIR);
    const Cause cause = S_ISFIFO(mode)                   ? Cause::NamedPipe
                        : S_ISSOCK(mode)                 ? Cause::Socket
                        : S_ISCHR(mode) || S_ISBLK(mode) ? Cause::Device
                                                         : Cause::OtherKind;
    return {cause, 0, {}};
}

FileError notRegularError(int fd)
{
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return systemError(errno);
    return notRegularTypeError(info.st_mode);
}

FileError notRegularPathError(const char* path)
{
    struct stat info = {};
    if (::stat(path, &info) != 0)
        return {};
    return notRegularTypeError(info.st_mode);
}

long readFully(int fd, char* buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, buffer + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<long>(done);
}

bool writeFully(int fd, std::string_view text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

} // namespace ttt
