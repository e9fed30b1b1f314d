// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardtext.h"

#include <ostream>

namespace ttt {

std::string boardText(const Board& board)
{
    std::string text;
    for (Square square : Board::squares)
        text += markLetter(board.at(square));
    return text;
}

std::optional<Board> boardFromText(std::string_view text)
{
    if (text.size() != Board::squareCount)
        return std::nullopt;
    Board board;
    for (Square square : Board::squares) {
        const std::optional<Mark> mark = markOfLetter(text[square - 1]);
        if (!mark)
            return std::nullopt;
        board.place(square, *mark);
    }
    return board;
}

std::ostream& operator<<(std::ostream& out, const Board& board)
{
    return out << boardText(board);
}

} // namespace ttt
