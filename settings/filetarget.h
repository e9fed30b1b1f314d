// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/fileerror.h"
#include "settings/filehandle.h"

#include <filesystem>
#include <string>

namespace ttt {

// Where a settings file really is: the folder and the name in it that a chain of links
// leads to, or the file's own folder and name. The file itself may not exist yet.
struct FileTarget
{
    std::filesystem::path path; // for messages: the folder's path and the name
    FileError error;            // why the file cannot be used; none when it can
};

// Follows the links at file's name, each only when it is this user's own: another
// user's link, in whatever folder and for root too, gives a RefusedLink error naming
// it, so nothing another user plants can lead the player to a file of theirs. The
// folders on the way are left to the system, which follows their links by its own rules.
FileTarget resolveFileTarget(const std::filesystem::path& file);

// Why a file on the file system of this open file or folder may not be written: the
// system's own file systems (/proc, /sys and the like) hold files that look regular but
// set the system going; no error for an ordinary one.
FileError systemFileSystemError(int fd);

// Why an open file may not be written where it is: it is no regular file, it lies on
// one of the system's own file systems, or it has other names too (another user's file
// under a name planted here, perhaps); no error when it may.
FileError writeInPlaceError(int fd);

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
