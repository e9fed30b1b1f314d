// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardarg.h"

#include "core/boardtext.h"
#include "core/quoting.h"

namespace ttt::lab {

std::optional<Level> parseLevel(std::string_view text, std::string& fault)
{
    if (text.size() == 1) {
        if (const std::optional<Level> level = levelNumbered(text[0] - '0'))
            return level;
    }
    fault = "LEVEL must be 1, 2, 3 or 4, not " + quotedForMessage(text);
    return std::nullopt;
}

std::optional<Board> parseBoard(std::string_view text, std::string& fault)
{
    if (std::optional<Board> board = boardFromText(text))
        return board;
    if (text.size() != Board::squareCount) {
        fault = "BOARD must have 9 characters, " + quotedForMessage(text) + " has " +
                std::to_string(text.size());
        return std::nullopt;
    }
    for (Square square : Board::squares) {
        const char cell = text[square - 1];
        if (!markOfLetter(cell)) {
            fault = "BOARD square " + std::to_string(square) + " is " +
                    quotedForMessage(std::string_view(&cell, 1)) + "; use '.', 'X' or 'O'";
            break;
        }
    }
    return std::nullopt;
}

} // namespace ttt::lab
