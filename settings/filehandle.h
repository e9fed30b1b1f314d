// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

namespace ttt {

// Owns an open file descriptor and closes it when it goes out of scope.
class FileHandle
{
public:
    explicit FileHandle(int fd) : m_fd(fd) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { close(); }

    int fd() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }

    // Closes now; returns false when closing reported an error.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

} // namespace ttt
