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

std::string notRegularReason(int fd)
{
    struct stat info = {};
    if (::fstat(fd, &info) != 0)
        return errorText(errno);
    if (S_ISDIR(info.st_mode))
        return errorText(EISDIR);
    if (!S_ISREG(info.st_mode))
        return "not a regular file";
    return {};
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
