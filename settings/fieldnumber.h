// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace ttt {

// The number a settings field stands for. Blanks, tabs and line feeds anywhere in the
// field are dropped first; then the longest number at its start is read: an optional
// sign, digits, an optional point with more digits and an optional exponent ("E2",
// "e-1"), or "&H" followed by hexadecimal or "&O" followed by octal digits. Reading
// stops at the first character that cannot continue the number; a field without a
// number is 0. Numbers too large for a double come out infinite, too small ones 0.
double fieldToNumber(std::string_view field);

} // namespace ttt
