// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace ttt {

// The system's short description of an error number, e.g. "Permission denied".
std::string errorText(int errorNumber);

// Why a file of this type (the st_mode of its status) is no plain file, for example
// "Is a directory" or "it is a named pipe, not a regular file"; empty for a regular file.
std::string notRegularTypeReason(mode_t mode);

// The same for an open file.
std::string notRegularReason(int fd);

// The same for the file a name leads to, links followed, looked at without opening it
// (opening a device can be enough to set it going); empty also when nothing is there.
std::string notRegularPathReason(const char* path);

// Reads into buffer until it is full or the file ends; returns the bytes read, or -1
// with errno set.
long readFully(int fd, char* buffer, std::size_t size);

// Writes all of text; false with errno set when that failed.
bool writeFully(int fd, std::string_view text);

} // namespace ttt
