// SPDX-License-Identifier: GPL-3.0-or-later
#include "filetarget.h"

#include "settings/rawio.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <iterator>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace ttt {

namespace {

namespace fs = std::filesystem;

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

} // namespace

FileTarget resolveFileTarget(const fs::path& file)
{
    constexpr int maxLinks = 40; // as many as the system itself follows
    fs::path path = file;
    for (int link = 0; link < maxLinks; ++link) {
        // The link is held open, so that its owner and its target are read from the
        // same link even when another is put at its name meanwhile.
        const FileHandle handle(::open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat status = {};
        if (!handle.isOpen() || ::fstat(handle.fd(), &status) != 0 || !S_ISLNK(status.st_mode))
            return {path, {}};
        if (status.st_uid != ::geteuid())
            return {path, {FileError::Cause::RefusedLink, 0, path}};
        char target[PATH_MAX];
        const ssize_t size = ::readlinkat(handle.fd(), "", target, sizeof target);
        if (size < 0)
            return {path, systemError(errno)};
        const fs::path next(std::string(target, static_cast<std::size_t>(size)));
        path = next.is_absolute() ? next : folderOf(path) / next;
    }
    return {path, systemError(ELOOP)};
}

FileError systemFileSystemError(int fd)
{
    struct statfs info = {};
    if (::fstatfs(fd, &info) != 0)
        return systemError(errno);
    constexpr unsigned long configFsMagic = 0x62656570, fuseControlMagic = 0x65735543;
    constexpr unsigned long systemMagics[] = {
        PROC_SUPER_MAGIC,    SYSFS_MAGIC,        DEBUGFS_MAGIC,  TRACEFS_MAGIC,
        SECURITYFS_MAGIC,    SELINUX_MAGIC,      SMACK_MAGIC,    CGROUP_SUPER_MAGIC,
        CGROUP2_SUPER_MAGIC, BPF_FS_MAGIC,       PSTOREFS_MAGIC, EFIVARFS_MAGIC,
        BINFMTFS_MAGIC,      DEVPTS_SUPER_MAGIC, NSFS_MAGIC,     configFsMagic,
        fuseControlMagic};
    if (std::ranges::find(systemMagics, static_cast<unsigned long>(info.f_type)) !=
        std::end(systemMagics))
        return {FileError::Cause::SystemFileSystem, 0, {}};
    return {};
}

FileError writeInPlaceError(int fd)
{
    if (FileError error = notRegularError(fd))
        return error;
    if (FileError error = systemFileSystemError(fd))
        return error;
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || status.st_nlink > 1)
        return systemError(EMLINK);
    return {};
}

TargetFolder::TargetFolder(const fs::path& target)
    : m_handle(::open(folderOf(target).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)),
      m_name(target.filename().string()), m_path(target)
{
    if (!m_handle.isOpen())
        m_openError = errno;
}

int TargetFolder::openFile(int flags) const
{
    return ::openat(m_handle.fd(), m_name.c_str(), flags | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
}

} // namespace ttt
