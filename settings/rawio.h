#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ttt {

// The system's short description of an error number, e.g. "Permission denied".
std::string errorText(int errorNumber);

// Why an open file is no plain file ("Is a directory", "not a regular file"), or an
// empty string when it is one.
std::string notRegularReason(int fd);

// Reads into buffer until it is full or the file ends; returns the bytes read, or -1
// with errno set.
long readFully(int fd, char* buffer, std::size_t size);

// Writes all of text; false with errno set when that failed.
bool writeFully(int fd, std::string_view text);

} // namespace ttt
