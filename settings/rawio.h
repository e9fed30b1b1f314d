// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/fileerror.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace ttt {

// Why a file of this type (the st_mode of its status) is no plain file, for example a
// folder (EISDIR) or a named pipe; no error for a regular file.
FileError notRegularTypeError(mode_t mode);

// The same for an open file.
FileError notRegularError(int fd);

// The same for the file a name leads to, links followed, looked at without opening it
// (opening a device can be enough to set it going); no error also when nothing is there.
FileError notRegularPathError(const char* path);

// Reads into buffer until it is full or the file ends; returns the bytes read, or -1
// with errno set.
long readFully(int fd, char* buffer, std::size_t size);

// Writes all of text; false with errno set when that failed.
bool writeFully(int fd, std::string_view text);

} // namespace ttt
