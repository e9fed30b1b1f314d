#include "boardarg.h"

#include "quoting.h"

namespace ttt::lab {

std::optional<int> parseLevel(std::string_view text, std::string& fault)
{
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '4')
        return text[0] - '0';
    fault = "LEVEL must be 1, 2, 3 or 4, not " + quotedForMessage(text);
    return std::nullopt;
}

std::optional<Board> parseBoard(std::string_view text, std::string& fault)
{
    if (text.size() != Board::Squares) {
        fault = "BOARD must have 9 characters, " + quotedForMessage(text) + " has " +
                std::to_string(text.size());
        return std::nullopt;
    }
    Board board;
    for (int square = 1; square <= Board::Squares; ++square) {
        const char cell = text[square - 1];
        if (cell == 'X' || cell == 'O') {
            board.place(square, cell == 'X' ? X : O);
        } else if (cell != '.') {
            fault = "BOARD square " + std::to_string(square) + " is " +
                    quotedForMessage(std::string_view(&cell, 1)) + "; use '.', 'X' or 'O'";
            return std::nullopt;
        }
    }
    return board;
}

} // namespace ttt::lab
