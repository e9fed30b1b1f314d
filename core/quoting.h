// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ttt {

// Text from the command line or a file name as the programs' one-line messages show it:
// in single quotes and always on one line, so that it can neither break the line nor
// send the terminal control sequences. Printable characters stay as they are (letters of
// any language too); line breaks, tabs and other control characters, bytes that are
// no UTF-8, and the quote and backslash themselves are written as escapes: \n, \r, \t,
// \', \\ and \xHH for each byte of anything else.
std::string quotedForMessage(std::string_view text);

// The same escapes without the quotes, for a message that already has its own: only
// the single quote itself stays as it is.
std::string escapedForMessage(std::string_view text);

} // namespace ttt
