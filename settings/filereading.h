// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/fileerror.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ttt {

// The start of a text file, read in one go.
struct FileStart
{
    std::string text;      // at most the number of bytes asked for
    bool wholeFile = true; // false when the file goes on past text
    bool missing = false;  // the file does not exist (text is empty, error none)
    FileError error;       // why the file could not be read; none when it could
    std::string lastByte;  // the file's last byte, even when it lies past text; empty if none
};

// Reads up to maxBytes from the start of a regular file. Directories, pipes, sockets and
// devices count as unreadable and are not even opened, so nothing ever waits for a
// writer or sets a device going.
FileStart readFileStart(const std::filesystem::path& file, std::size_t maxBytes);

class TargetFolder;

// The same for the file a TargetFolder holds, not following a link at its name.
FileStart readFileStart(const TargetFolder& folder, std::size_t maxBytes);

// Appends text to the existing regular file a TargetFolder holds, on an ordinary file
// system and with no other name; anything else, a link at its name included, is left
// alone. Returns why that
// failed, or no error.
FileError appendToFile(const TargetFolder& folder, std::string_view text);

} // namespace ttt
