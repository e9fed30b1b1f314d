// SPDX-License-Identifier: GPL-3.0-or-later
#include "filetarget.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <system_error>
#include <unistd.h>

namespace ttt {

namespace {

namespace fs = std::filesystem;

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

} // namespace

bool mayFollowLink(const LinkFacts& facts)
{
    if (facts.follower == 0 && facts.linkOwner != 0)
        return false;
    constexpr mode_t shared = S_ISVTX | S_IWOTH;
    if ((facts.folderMode & shared) != shared)
        return true;
    return facts.linkOwner == facts.follower || facts.linkOwner == facts.folderOwner;
}

FileTarget resolveFileTarget(const fs::path& file)
{
    constexpr int maxLinks = 40; // as many as the system itself follows
    fs::path path = file;
    for (int link = 0; link < maxLinks; ++link) {
        struct stat status = {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return {path, {}};
        struct stat folder = {};
        if (::stat(folderOf(path).c_str(), &folder) != 0)
            return {path, systemError(errno)};
        if (!mayFollowLink({::geteuid(), status.st_uid, folder.st_uid, folder.st_mode}))
            return {path, {FileError::Cause::RefusedLink, 0, path}};
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            return {path, systemError(error.value())};
        path = next.is_absolute() ? next : folderOf(path) / next;
    }
    return {path, systemError(ELOOP)};
}

FileError systemFileSystemError(int fd)
{
    struct statfs info = {};
    if (::fstatfs(fd, &info) != 0)
        return systemError(errno);
    constexpr unsigned long configFsMagic = 0x62656570;
    constexpr unsigned long fuseControlMagic = 0x65735543;
    switch (static_cast<unsigned long>(info.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case SELINUX_MAGIC:
    case SMACK_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case BPF_FS_MAGIC:
    case PSTOREFS_MAGIC:
    case EFIVARFS_MAGIC:
    case BINFMTFS_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case NSFS_MAGIC:
    case configFsMagic:
    case fuseControlMagic:
        return {FileError::Cause::SystemFileSystem, 0, {}};
    default:
        return {};
    }
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
