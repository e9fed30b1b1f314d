// SPDX-License-Identifier: GPL-3.0-or-later
#include "rawio.h"

#include <cerrno>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace ttt {

std::string errorText(int errorNumber)
{
    return std::generic_category().message(errorNumber);
}

std::string notRegularTypeReason(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return errorText(EISDIR);
    const char* kind = S_ISFIFO(mode)                   ? "a named pipe"
                       : S_ISSOCK(mode)                 ? "a socket"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                                        : "something else";
    return std::string("it is ") + kind + ", not a regular file";
}

std::string notRegularReason(int fd)
{
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return errorText(errno);
    return notRegularTypeReason(info.st_mode);
}

std::string notRegularPathReason(const char* path)
{
    struct stat info = {};
    if (::stat(path, &info) != 0)
        return {};
    return notRegularTypeReason(info.st_mode);
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
