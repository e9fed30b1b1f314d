#include "boardarg.h"

namespace ttt::lab {

std::optional<int> parseLevel(std::string_view text, std::string& fault)
{
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '4')
        return text[0] - '0';
    fault = "LEVEL must be 1, 2, 3 or 4, not '" + std::string(text) + "'";
    return std::nullopt;
}

std::optional<Board> parseBoard(std::string_view text, std::string& fault)
{
    if (text.size() != Board::Squares) {
        fault = "BOARD must have 9 characters, '" + std::string(text) + "' has " +
                std::to_string(text.size());
        return std::nullopt;
    }
    Board board;
    for (int square = 1; square <= Board::Squares; ++square) {
        const char cell = text[square - 1];
        if (cell == 'X' || cell == 'O') {
            board.place(square, cell == 'X' ? X : O);
        } else if (cell != '.') {
            fault = "BOARD square " + std::to_string(square) + " is '" + std::string(1, cell) +
                    "'; use '.', 'X' or 'O'";
            return std::nullopt;
        }
    }
    return board;
}

} // namespace ttt::lab
