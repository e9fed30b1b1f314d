// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/board.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace ttt {

// The board as text: nine characters for squares 1 to 9 in order, '.' for a free
// square, 'X' or 'O'. "X.O......" has X on square 1 and O on square 3. The lab reads
// and prints boards this way, and tests and their failure messages use it.

inline constexpr std::string_view markLetters = ".XO"; // in the order of Mark

constexpr char markLetter(Mark mark)
{
    return markLetters[static_cast<std::size_t>(mark)];
}

constexpr std::optional<Mark> markOfLetter(char letter)
{
    const std::size_t found = markLetters.find(letter);
    return found == std::string_view::npos ? std::nullopt : std::optional(static_cast<Mark>(found));
}

std::string boardText(const Board& board);

// The board the text writes, or nothing unless it is nine letters of the three above.
std::optional<Board> boardFromText(std::string_view text);

// Writes the text form; test frameworks print boards with it.
std::ostream& operator<<(std::ostream& out, const Board& board);

} // namespace ttt
