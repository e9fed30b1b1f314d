// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/fileerror.h"
#include "settings/filehandle.h"

#include <filesystem>
#include <string>
#include <sys/types.h>

namespace ttt {

// What decides whether a symbolic link is followed.
struct LinkFacts
{
    uid_t follower = 0;    // the user this program runs as (its effective id)
    uid_t linkOwner = 0;   // who made the link
    uid_t folderOwner = 0; // who owns the folder the link is in
    mode_t folderMode = 0; // that folder's type and permission bits
};

// Whether the settings files follow such a link. As the system itself does in a folder
// where everyone may add files but each may remove only their own (sticky and writable
// by all, like /tmp): only links of the follower or of the folder's owner. And run as
// root, only root's own links, wherever they are: another user's link could otherwise
// lead root to any file at all.
bool mayFollowLink(const LinkFacts& facts);

// Where a settings file really is: the folder and the name in it that a chain of links
// leads to, or the file's own folder and name. The file itself may not exist yet.
struct FileTarget
{
    std::filesystem::path path; // for messages: the folder's path and the name
    FileError error;            // why the file cannot be used; none when it can
};

// Follows the links at file's name, each only when mayFollowLink allows it; a link that
// is refused gives a RefusedLink error naming it. The folders on the way are left to
// the system, which follows their links by its own rules.
FileTarget resolveFileTarget(const std::filesystem::path& file);

// Why a file on the file system of this open file or folder may not be written: the
// system's own file systems (/proc, /sys and the like) hold files that look regular but
// set the system going; no error for an ordinary one.
FileError systemFileSystemError(int fd);

// The folder of a target, held open so that everything a save does happens in that same
// folder even when its path is changed meanwhile, and the file's name in it.
class TargetFolder
{
public:
    explicit TargetFolder(const std::filesystem::path& target);

    bool isOpen() const { return m_handle.isOpen(); }
    int fd() const { return m_handle.fd(); }
    const std::string& name() const { return m_name; }
    const std::filesystem::path& path() const { return m_path; }
    int openError() const { return m_openError; }

    // Opens the file in the folder without following a link at its name: a link put
    // there since the target was resolved makes the open fail. Returns -1 with errno set.
    int openFile(int flags) const;

private:
    FileHandle m_handle;
    std::string m_name;
    std::filesystem::path m_path;
    int m_openError = 0;
};

} // namespace ttt
