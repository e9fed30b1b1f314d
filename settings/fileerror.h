// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace ttt {

// Why a settings file could not be read or written, as facts; the programs word them for
// the player (translations/settingswords.h). A default-made error is no error.
struct FileError
{
    enum class Cause {
        None,
        SystemError, // the system refused; error holds its error number
        // The name leads to something other than a plain file, which is left alone. A
        // folder is none of these: the system has words for it (EISDIR).
        NamedPipe,
        Socket,
        Device,
        OtherKind,
        LinkIntoMissingFolder, // a link leads into a folder that does not exist: linkTarget
        RefusedLink,           // another user's link, which this program does not follow
        SystemFileSystem,      // the file lies on one of the system's own file systems (/proc)
    };

    Cause cause = Cause::None;
    int errorNumber = 0;              // the errno of a SystemError
    std::filesystem::path linkTarget; // where a LinkIntoMissingFolder leads; a RefusedLink

    explicit operator bool() const { return cause != Cause::None; }
    bool operator==(const FileError&) const = default;
};

// The system refused with this error number.
inline FileError systemError(int errorNumber)
{
    return {FileError::Cause::SystemError, errorNumber, {}};
}

} // namespace ttt
