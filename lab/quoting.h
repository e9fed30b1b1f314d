// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ttt::lab {

// Text from the command line or a file name as the lab's messages show it: in single
// quotes and always on one line. Printable characters stay as they are (letters of
// any language too); line breaks, tabs and other control characters, bytes that are
// no UTF-8, and the quote and backslash themselves are written as escapes: \n, \r, \t,
// \', \\ and \xHH for each byte of anything else.
std::string quotedForMessage(std::string_view text);

} // namespace ttt::lab
