// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/fileerror.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace ttt {

// The moments of a replacement at which an interruption leaves a different picture on
// disk: the new file beside the old one is empty, it is fully written, or it has taken
// the old one's place.
enum class ReplaceStep { TempCreated, TempWritten, Renamed };

// Called at each step; lets tests stop a replacement part-way.
using ReplaceObserver = std::function<void(ReplaceStep)>;

// Replaces the whole content of a file so that the file always holds either the old or
// the new content in full, even if the program dies in between: the new content goes
// into a new file in the same folder, "FILE.PID-RANDOM.tmp" (a name no one can foresee,
// made only if no file has it), is flushed to disk and then renamed over the old file,
// whose owner, group and permissions it takes.
// - A symbolic link (or a chain of them) is followed as resolveFileTarget allows: the
//   file it leads to is replaced in that file's own folder, or created there, and the
//   link stays a link. A link into a folder that does not exist is left alone, and so is
//   a link that is not followed: nothing is written through it.
// - The folder is opened once and everything happens in it, and a link put at the
//   file's name meanwhile is not followed, so a swap half-way cannot lead elsewhere.
// - Only a regular file on an ordinary file system is ever replaced or written: a
//   folder, a pipe, a socket, a device, anything under /proc or /sys is left alone, and
//   so is a file of one's own without write permission.
// - Another user's file that this one may not write (one that root made in the player's
//   folder) is replaced all the same where the folder allows: the new file belongs to
//   this user, with the old one's permissions, readable and writable by its owner.
// - When the folder lets no new file be made, the new file could not be given the old
//   one's owner, or the disk is full and the new content is no longer than the file,
//   the file itself is rewritten instead: the new content is written over its start,
//   the rest cut off and the file flushed. It is never emptied first, and a file that
//   has other names too is never written this way.
// Returns why the replacement failed, or no error.
FileError replaceFileContent(const std::filesystem::path& file, std::string_view content,
                             const ReplaceObserver& observer = {});

// Why replaceFileContent would be refused for the file as it stands now, as far as can
// be told without writing anything (a full disk is only found out by writing); no
// error when nothing stands in the way.
FileError foreseeReplaceError(const std::filesystem::path& file);

// Removes what replacements of the file left behind when they were killed before their
// rename: this user's own regular files beside it (beside the file the links it follows
// lead to), named exactly as the new files above, whose process no longer runs.
// Touches nothing else.
void removeReplaceLeftovers(const std::filesystem::path& file);

} // namespace ttt
